#include "admin/frmpass.h"

#include "startup/forms.h"

frmpass::frmpass(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmpass"));
    setWindowTitle(QStringLiteral("Punchwell"));
}

void frmpass::Form_Load() {}
