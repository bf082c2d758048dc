#pragma once

#include "platform/dialogs.h"

#include <vector>

namespace pw {

class RunProgressWindow;

// The real boxes: QMessageBox, QInputDialog and QFileDialog, and a progress window of our own.
// While a box is open, every progress window of a run stays hidden and cannot appear: the box is
// the one window that takes the mouse and the keys, and the run waits for its answer.
class QtDialogs : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;
    QtDialogs(const QtDialogs &) = delete;
    QtDialogs &operator=(const QtDialogs &) = delete;

    Button message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                   Buttons buttons, Button defaultButton) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title,
                  const QString &defaultText) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter) override;
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &title, int steps) override;

private:
    friend class RunProgressWindow;
    class BoxOpen;

    // The progress windows of the runs under way, each held back while a box is open.
    std::vector<RunProgressWindow *> m_runs;
};

} // namespace pw
