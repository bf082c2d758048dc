#pragma once

#include "platform/dialogs.h"

namespace pw {

// The real boxes: QMessageBox and QInputDialog.
class QtDialogs : public Dialogs {
public:
    Button message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                   Buttons buttons, Button defaultButton) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title,
                  const QString &defaultText) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter) override;
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &title, int steps) override;
};

} // namespace pw
