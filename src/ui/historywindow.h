#pragma once

#include "ui/modelessdialog.h"

class QTableWidget;

namespace pw {

class Database;
class Dialogs;

// Every change to one employee's records (objectName "frmhistory"), newest first, as the journal
// of changes holds them: when, at which workstation, by whom, what, and the value or entry before
// and after. It shows what was stored when it was opened; opening it again reads the journal again.
class HistoryWindow : public ModelessDialog {
    Q_OBJECT

public:
    HistoryWindow(Database &db, Dialogs &dialogs, QWidget *parent = nullptr);

    // Reads the employee's rows into the grid. One that cannot be read is said in a box, and
    // leaves the grid empty.
    void showEmployee(const QString &name);

private:
    Database &m_db;
    Dialogs &m_dialogs;
    QTableWidget *m_grid;
};

} // namespace pw
