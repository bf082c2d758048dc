#pragma once

#include "ui/modelessdialog.h"

class QTableWidget;

namespace pw {

class Database;
class Dialogs;

// A roll call (objectName "frmwhosin"): every employee clocked in now, with since when and the
// task, in the list's order. It shows the logs as they were when it was opened; opening it again
// reads them again.
class WhosInWindow : public ModelessDialog {
    Q_OBJECT

public:
    WhosInWindow(Database &db, Dialogs &dialogs, QWidget *parent = nullptr);

    // Reads who is in into the list. Logs that cannot be read are said in a box, and leave the
    // list empty.
    void refresh();

private:
    Database &m_db;
    Dialogs &m_dialogs;
    QTableWidget *m_list;
};

} // namespace pw
