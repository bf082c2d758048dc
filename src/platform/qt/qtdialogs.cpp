#include "platform/qt/qtdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace pw {

namespace {

QMessageBox::StandardButton toQt(Dialogs::Button b)
{
    switch (b) {
    case Dialogs::Ok: return QMessageBox::Ok;
    case Dialogs::Yes: return QMessageBox::Yes;
    case Dialogs::No: return QMessageBox::No;
    case Dialogs::Cancel: return QMessageBox::Cancel;
    case Dialogs::NoButton: break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// QProgressDialog, window-modal, shown once the run looks like lasting more than half a second.
class QtProgress : public Progress {
public:
    QtProgress(QWidget *parent, const QString &title, int steps)
        : m_dialog(QString(), QStringLiteral("Cancel"), 0, steps, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setMinimumWidth(360);
        m_dialog.setValue(0);
    }
    bool step(int done, const QString &now) override
    {
        m_dialog.setLabelText(now);
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    }
    void finish() override { m_dialog.close(); }

private:
    QProgressDialog m_dialog;
};

} // namespace

std::unique_ptr<Progress> QtDialogs::progress(QWidget *parent, const QString &title, int steps)
{
    return std::make_unique<QtProgress>(parent, title, steps);
}

Dialogs::Button QtDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                   Icon icon, Buttons buttons, Button defaultButton)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    const Button order[] = {Yes, No, Ok, Cancel};
    for (Button b : order)
        if (buttons.testFlag(b))
            box.addButton(toQt(b));
    if (defaultButton != NoButton)
        box.setDefaultButton(toQt(defaultButton));
    // Closing the box (Esc or its close box) answers the most cautious button it has.
    for (Button b : {Cancel, No, Ok})
        if (buttons.testFlag(b)) {
            box.setEscapeButton(toQt(b));
            break;
        }
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Ok: return Ok;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    default: break;
    }
    return buttons.testFlag(Cancel) ? Cancel : buttons.testFlag(No) ? No : Ok;
}

QString QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title,
                         const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                                const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

} // namespace pw
