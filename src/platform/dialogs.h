#pragma once

#include <QFlags>
#include <QString>

#include <memory>

class QWidget;

namespace pw {

// The title of the program's own boxes.
inline const QString kBoxTitle = QStringLiteral("Punchwell");

// The progress of a long run (printing or clearing every employee's log): a window that appears
// only when the run takes longer than about half a second, with a Cancel button. It never lies over
// a box the run opens: while any box of these Dialogs is open it stays hidden, and the run waits for
// the box's answer.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows that `done` of the run's steps are done and names the one now under way. Returns false
    // once the user has asked to stop: the caller finishes the current step and stops there.
    virtual bool step(int done, const QString &now) = 0;
    // Closes the window; the run is over.
    virtual void finish() = 0;
};

// The message and input boxes of the program. Windows never open a QMessageBox or QInputDialog
// themselves: they ask this seam, so tests can answer from a script and record what was shown.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum Button { NoButton = 0, Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed. Closing the box counts as its escape
    // button (Cancel, No or Ok, in that order of preference).
    virtual Button message(QWidget *parent, const QString &text, const QString &title, Icon icon,
                           Buttons buttons = Ok, Button defaultButton = NoButton) = 0;

    // A modal input box; returns the typed text, or an empty text when cancelled.
    virtual QString input(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &defaultText) = 0;

    // A modal "save as" file dialog; returns the chosen path, or an empty text when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                                 const QString &filter) = 0;

    // The progress window of a run of `steps` steps, titled as given.
    virtual std::unique_ptr<Progress> progress(QWidget *parent, const QString &title, int steps) = 0;

    // Shorthand for the common one-button box.
    void inform(QWidget *parent, const QString &text, const QString &title, Icon icon)
    {
        message(parent, text, title, icon, Ok, Ok);
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Dialogs::Buttons)

} // namespace pw
