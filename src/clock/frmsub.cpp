#include "clock/frmsub.h"

#include "clock/frmmain.h"
#include "platform/dialogs.h"
#include "platform/windowing.h"
#include "startup/forms.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmsub::frmsub(pw::Forms &forms) : QDialog(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmsub"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    Frame1 = new QGroupBox(QStringLiteral("Enter a Task:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    activity = new QLineEdit(Frame1);
    activity->setObjectName(QStringLiteral("activity"));
    activity->setAccessibleName(QStringLiteral("Task"));
    activity->setMinimumWidth(260);
    (new QVBoxLayout(Frame1))->addWidget(activity);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addWidget(Command1, 0, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmsub::Command1_Click);
}

void frmsub::Form_Load()
{
    pw::centreOnScreen(this);
}

bool frmsub::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activity->setFocus();
    return QDialog::event(event);
}

void frmsub::Command1_Click()
{
    if (activity->text().size() > kMaxTask) {
        m_forms.dialogs().inform(this, QStringLiteral("Sorry, Tasks can only be up to 30 characters in length."),
                                 QStringLiteral("Clock In Error"), pw::Dialogs::Icon::Exclamation);
        activity->setFocus();
        return;
    }
    frmmain *main = m_forms.main();
    main->fxnclockin(main->nameemp->text());
    hide();
}

void frmsub::reject()
{
    // Esc is the close box: the clock-in is cancelled.
    close();
}

void frmsub::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_forms.dialogs().inform(this,
                             QStringLiteral("Clock In has been Canceled.  If you wish to disable the prompt for a "
                                            "project activity, check the box marked disable"),
                             QStringLiteral("Canceled"), pw::Dialogs::Icon::Exclamation);
    m_forms.unloadSub();
}
