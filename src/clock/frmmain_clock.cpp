// The main window's clock functions: clock in, clock out, delete the last entry.
#include "clock/frmmain.h"

void frmmain::fxnclockin(const QString &) {}
void frmmain::fxnclockout(const QString &) {}
void frmmain::clockin_Click() {}
void frmmain::clockout_Click() {}
void frmmain::dltlast_Click() {}
