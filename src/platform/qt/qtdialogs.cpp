#include "platform/qt/qtdialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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

} // namespace

// The progress window of a run: its title, the step under way, a bar and Cancel. The run's own
// steps show it once the run has lasted half a second, never a timer: a timer would fire inside the
// event loop of a box the run opened, and put the window over the box. While a box is open the
// window is hidden; it comes back once the box is answered. It is application-modal: while the run
// lets it take a click, nothing else can start.
class RunProgressWindow : public Progress {
    Q_DECLARE_TR_FUNCTIONS(pw::RunProgressWindow)

public:
    RunProgressWindow(QtDialogs &owner, QWidget *parent, const QString &title, int steps)
        : m_owner(owner), m_window(parent)
    {
        m_window.setObjectName(QStringLiteral("runProgress"));
        m_window.setWindowTitle(title);
        m_window.setWindowModality(Qt::ApplicationModal);
        m_window.setMinimumWidth(360);
        m_label = new QLabel(&m_window);
        m_bar = new QProgressBar(&m_window);
        m_bar->setRange(0, steps);
        m_bar->setValue(0);
        auto *cancel = new QPushButton(tr("Cancel"), &m_window);
        auto *layout = new QVBoxLayout(&m_window);
        layout->addWidget(m_label);
        layout->addWidget(m_bar);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel);
        layout->addLayout(buttons);
        // Cancel, Esc and the close box all ask the run to stop after the step under way.
        QObject::connect(cancel, &QPushButton::clicked, &m_window, &QDialog::reject);
        QObject::connect(&m_window, &QDialog::rejected, &m_window, [this] { m_cancelled = true; });
        m_owner.m_runs.push_back(this);
        m_since.start();
    }

    ~RunProgressWindow() override { std::erase(m_owner.m_runs, this); }

    bool step(int done, const QString &now) override
    {
        m_label->setText(now);
        m_bar->setValue(done);
        const bool due = !m_cancelled && !m_finished && m_holds == 0 && m_since.elapsed() >= kShowAfterMs;
        if (due && !m_window.isVisible()) {
            m_window.adjustSize();
            m_window.show();
        }
        // Painted, and Cancel heard, between the steps.
        if (m_window.isVisible())
            QCoreApplication::processEvents();
        return !m_cancelled;
    }

    void finish() override
    {
        m_finished = true;
        m_window.hide();
    }

    // A box opens: the window is hidden, and cannot appear until the box is answered.
    void hold()
    {
        if (m_holds++ == 0) {
            m_hiddenForBox = m_window.isVisible();
            m_window.hide();
        }
    }

    // The box is answered: a window that was shown comes back; one not shown yet waits another
    // half second of the run, so a run that ends soon after the answer shows none.
    void release()
    {
        if (--m_holds > 0)
            return;
        if (m_hiddenForBox && !m_cancelled && !m_finished)
            m_window.show();
        else
            m_since.restart();
        m_hiddenForBox = false;
    }

private:
    static constexpr qint64 kShowAfterMs = 500;

    QtDialogs &m_owner;
    QDialog m_window;
    QLabel *m_label;
    QProgressBar *m_bar;
    QElapsedTimer m_since;
    int m_holds = 0;
    bool m_hiddenForBox = false;
    bool m_cancelled = false;
    bool m_finished = false;
};

// Holds back every run's progress window while one box is open.
class QtDialogs::BoxOpen {
public:
    explicit BoxOpen(const QtDialogs &dialogs) : m_held(dialogs.m_runs)
    {
        for (RunProgressWindow *run : m_held)
            run->hold();
    }
    ~BoxOpen()
    {
        for (RunProgressWindow *run : m_held)
            run->release();
    }
    BoxOpen(const BoxOpen &) = delete;
    BoxOpen &operator=(const BoxOpen &) = delete;

private:
    std::vector<RunProgressWindow *> m_held;
};

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() = default;

std::unique_ptr<Progress> QtDialogs::progress(QWidget *parent, const QString &title, int steps)
{
    return std::make_unique<RunProgressWindow>(*this, parent, title, steps);
}

Dialogs::Button QtDialogs::message(QWidget *parent, const QString &text, const QString &title,
                                   Icon icon, Buttons buttons, Button defaultButton)
{
    const BoxOpen open(*this);
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
    const BoxOpen open(*this);
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    // The title may be the only text that says what the box is for ("Clear log until this date: "):
    // the box is wide enough to show it whole in its title bar, beside the bar's icon and buttons.
    // The bar's font is the window manager's; a bold, slightly larger one is allowed for.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    constexpr int kTitleBarButtons = 160;
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarButtons;
    box.adjustSize();
    if (box.width() < titleWidth)
        box.resize(titleWidth, box.height());
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString QtDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                                const QString &filter)
{
    const BoxOpen open(*this);
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

} // namespace pw
