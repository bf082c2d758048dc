#include "ui/taskprompt.h"

#include "domain/clocking.h"
#include "platform/dialogs.h"
#include "ui/widgets.h"
#include "ui/windowing.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pw {

TaskPrompt::TaskPrompt(Dialogs &dialogs, QWidget *parent) : QDialog(parent), m_dialogs(dialogs)
{
    setUpDialogWindow(this, "frmsub");
    setModal(false);

    m_frame = named(new QGroupBox(tr("Enter a Task:"), this), "Frame1");
    m_taskEdit = named(new QLineEdit(m_frame), "activity", tr("Task"));
    m_taskEdit->setMinimumWidth(260);
    (new QVBoxLayout(m_frame))->addWidget(m_taskEdit);

    m_okButton = makeButton(this, "Command1", tr("OK"));
    m_okButton->setDefault(true);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addWidget(m_okButton, 0, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &TaskPrompt::onOkClicked);
    centreOnScreen(this);
}

QString TaskPrompt::taskTooLong()
{
    return tr("Sorry, Tasks can only be up to 30 characters in length.");
}

QString TaskPrompt::task() const
{
    return m_taskEdit->text();
}

void TaskPrompt::clearTask()
{
    m_taskEdit->clear();
}

void TaskPrompt::open()
{
    show();
    raise();
    activateWindow();
    m_taskEdit->setFocus();
}

bool TaskPrompt::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_taskEdit->setFocus();
    return QDialog::event(event);
}

void TaskPrompt::onOkClicked()
{
    if (!clocking::taskFits(m_taskEdit->text())) {
        m_dialogs.inform(this, taskTooLong(), tr("Clock In Error"), Dialogs::Icon::Exclamation);
        m_taskEdit->setFocus();
        return;
    }
    Q_EMIT taskEntered(m_taskEdit->text());
    hide();
}

void TaskPrompt::reject()
{
    // Esc is the close box: the clock-in is cancelled.
    close();
}

void TaskPrompt::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_dialogs.inform(this,
                     tr("Clock In has been Canceled.  If you wish to disable the prompt for a "
                        "project activity, check the box marked disable"),
                     tr("Canceled"), Dialogs::Icon::Exclamation);
    Q_EMIT cancelled();
    hide();
    deleteLater();
}

} // namespace pw
