#include "admin/frmadd.h"

#include "startup/forms.h"

frmadd::frmadd(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmadd"));
    setWindowTitle(QStringLiteral("Punchwell"));
}

void frmadd::Form_Load() {}
