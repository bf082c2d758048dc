#include "clock/frmsub.h"

#include "startup/forms.h"

frmsub::frmsub(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmsub"));
    setWindowTitle(QStringLiteral("Punchwell"));
}

void frmsub::Form_Load() {}
