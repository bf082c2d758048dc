// The main window's time-card printing.
#include "clock/frmmain.h"

void frmmain::manprintlog(const QString &) {}
void frmmain::Command3_Click() {}
void frmmain::prntdata_Click() {}
