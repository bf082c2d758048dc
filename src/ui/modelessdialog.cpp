#include "ui/modelessdialog.h"

#include <QCloseEvent>

namespace pw {

ModelessDialog::ModelessDialog(QWidget *parent) : QDialog(parent)
{
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModelessDialog::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    hide();
    Q_EMIT closed();
    deleteLater();
}

void ModelessDialog::reject()
{
    // Esc closes the dialog like its close box.
    finish();
}

void ModelessDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    finish();
}

} // namespace pw
