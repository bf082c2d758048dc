#pragma once

namespace pw {

class Windows;

// The start-up procedure: makes sure the company database can be used (offering to make a new one
// when there is none), then shows the splash, which brings up the logon window. Any failure is
// told in a message box and ends the program in order.
void startUp(Windows &windows);

} // namespace pw
