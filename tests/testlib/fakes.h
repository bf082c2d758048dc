#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/programend.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <deque>
#include <functional>

namespace pw::test {

// Records every box shown and answers from a script. With no scripted answer a message box
// answers its default button (or its first button), an input box its default text.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, Input, SaveFile } kind = Message;
        QString text, title;
        Icon icon = Icon::None;
        Buttons buttons;
        Button defaultButton = NoButton;
        QString defaultText;
        QString answeredText;
        Button answered = NoButton;
    };

    Button message(QWidget *parent, const QString &text, const QString &title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter) override;
    std::unique_ptr<Progress> progress(QWidget *parent, const QString &title, int steps) override;

    // A progress window of a run, as the fake shows it: the steps reported, and the Cancel that the
    // test presses after `cancelAfter` steps (-1: never).
    struct ProgressShown {
        QString title;
        int steps = 0;
        QStringList names; // the step under way, in order
        bool finished = false;
    };
    const QList<ProgressShown> &progressShown() const { return m_progress; }
    void cancelProgressAfter(int steps) { m_cancelAfter = steps; }

    // Answers for the next boxes, in order.
    void answer(Button b) { m_buttons.push_back(b); }
    void answerInput(const QString &text) { m_texts.push_back(text); }
    void answerFile(const QString &path) { m_files.push_back(path); }
    // Runs while the next box is open (to look at the program's state at that moment).
    void whileOpen(std::function<void()> f) { m_during.push_back(std::move(f)); }

    const QList<Shown> &shown() const { return m_shown; }
    const Shown &last() const { return m_shown.last(); }
    int count() const { return int(m_shown.size()); }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    void runDuring();

    QList<Shown> m_shown;
    std::deque<Button> m_buttons;
    std::deque<QString> m_texts;
    std::deque<QString> m_files;
    std::deque<std::function<void()>> m_during;
    QList<ProgressShown> m_progress;
    int m_cancelAfter = -1;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0))) : m_now(std::move(now)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void set(int y, int mo, int d, int h, int mi, int s = 0) { m_now = QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

class FakeProgramEnd : public ProgramEnd {
public:
    void end(int exitCode) override
    {
        m_ended = true;
        m_code = exitCode;
    }
    bool ended() const override { return m_ended; }
    int exitCode() const { return m_code; }

private:
    bool m_ended = false;
    int m_code = 0;
};

} // namespace pw::test
