// The main window's totals: hours and estimated wages.
#include "clock/frmmain.h"

void frmmain::fxngettotal(const QString &) {}
void frmmain::mangettotal(const QString &) {}
void frmmain::UPDATE_Click() {}
void frmmain::Command1_Click() {}
