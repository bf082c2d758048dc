#include "ui/historywindow.h"

#include "domain/history.h"
#include "platform/formats.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw {

namespace {

const char *const kHistory = QT_TRANSLATE_NOOP("pw::HistoryWindow", "History");
// No column grows wider than this for a long value; the last one takes what room is left.
constexpr int kWidestColumn = 320;

} // namespace

HistoryWindow::HistoryWindow(Database &db, Dialogs &dialogs, QWidget *parent)
    : ModelessDialog(parent), m_db(db), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmhistory", tr(kHistory));
    setSizeGripEnabled(true);
    m_grid = named(new QTableWidget(0, 6, this), "historygrid", tr("Changes to the employee's records"));
    m_grid->setHorizontalHeaderLabels({tr("When"), tr("Workstation"), tr("Who"),
                                       tr("What"), tr("Before"), tr("After")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    resize(780, 360);
    centreOnScreen(this);
}

void HistoryWindow::showEmployee(const QString &name)
{
    setWindowTitle(tr("History: %1").arg(name));
    m_grid->setRowCount(0);
    const auto rows = history::employeeRows(m_db, name);
    if (!rows) {
        reportFailure(m_dialogs, this, tr(kHistory), tr("Sorry, the history could not be read"), rows.error());
        return;
    }
    m_grid->setRowCount(int(rows->size()));
    for (int r = 0; r < rows->size(); ++r) {
        const JournalEntry &e = (*rows)[r].entry;
        const QStringList cells{formats::generalDateOfStored(e.storedAt), e.workstation, e.who, e.what, e.before.value_or(QString()),
                                e.after.value_or(QString())};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            // A long value is cut in its cell; the whole of it shows when the mouse rests on it.
            item->setToolTip(cells[c]);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->resizeColumnsToContents();
    for (int c = 0; c < m_grid->columnCount(); ++c)
        m_grid->setColumnWidth(c, qMin(m_grid->columnWidth(c), kWidestColumn));
}

} // namespace pw
