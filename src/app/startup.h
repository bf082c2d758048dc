#pragma once

#include <QString>

namespace pw {

class Dialogs;
class Windows;

// The start-up procedure: makes sure the company database can be used (offering to make a new one
// when there is none, in a file or in an empty database on a server), then shows the splash, which
// brings up the logon window. Any failure is told in a message box naming the file or the server,
// and ends the program in order.
void startUp(Windows &windows);

// The box for a start that cannot even tell where the company is (a Punchwell.conf that cannot be
// used); the caller ends the program.
void refuseLocation(Dialogs &dialogs, const QString &why);

} // namespace pw
