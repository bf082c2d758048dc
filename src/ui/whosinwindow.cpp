#include "ui/whosinwindow.h"

#include "domain/whosin.h"
#include "platform/formats.h"
#include "ui/storageerror.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw {

namespace {

const char *const kWhosIn = QT_TRANSLATE_NOOP("pw::WhosInWindow", "Who's In");

} // namespace

WhosInWindow::WhosInWindow(Database &db, Dialogs &dialogs, QWidget *parent)
    : ModelessDialog(parent), m_db(db), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmwhosin", tr(kWhosIn));
    setSizeGripEnabled(true);
    m_list = named(new QTableWidget(0, 3, this), "whosinlist", tr("Everyone clocked in now"));
    m_list->setHorizontalHeaderLabels({tr("Name"), tr("Since"), tr("Task")});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    resize(520, 320);
    centreOnScreen(this);
}

void WhosInWindow::refresh()
{
    m_list->setRowCount(0);
    const auto in = whosin::clockedIn(m_db);
    if (!in) {
        reportFailure(m_dialogs, this, tr(kWhosIn), tr("Sorry, who is in could not be read"), in.error());
        return;
    }
    m_list->setRowCount(int(in->size()));
    for (int r = 0; r < in->size(); ++r) {
        const whosin::ClockedIn &e = (*in)[r];
        const QStringList cells{e.name, e.since.isNull() ? QString() : formats::generalDateOfStored(e.since.toString()),
                                e.task.isNull() ? QString() : e.task.toString()};
        for (int c = 0; c < cells.size(); ++c)
            m_list->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    setWindowTitle(in->isEmpty() ? tr("Who's In: nobody") : tr("Who's In: %1").arg(in->size()));
}

} // namespace pw
