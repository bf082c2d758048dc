// The main window's log clearing.
#include "clock/frmmain.h"

void frmmain::manclearlog(const QString &) {}
void frmmain::Command4_Click() {}
void frmmain::dltdata_Click() {}
