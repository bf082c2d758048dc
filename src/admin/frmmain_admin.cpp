// The main window's administration buttons and menu item.
#include "clock/frmmain.h"

#include "admin/frmprop.h"
#include "startup/forms.h"

void frmmain::Command5_Click() {}
void frmmain::Deleteemp_Click() {}
void frmmain::ChgPass_Click() {}
void frmmain::chpass_Click() {}

void frmmain::Command2_Click()
{
    frmprop *prop = m_forms.prop();
    prop->show();
    prop->raise();
    prop->activateWindow();
}
