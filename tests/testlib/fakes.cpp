#include "testlib/fakes.h"

namespace pw::test {

void FakeDialogs::runDuring()
{
    if (!m_during.empty()) {
        auto f = std::move(m_during.front());
        m_during.pop_front();
        f();
    }
}

Dialogs::Button FakeDialogs::message(QWidget *, const QString &text, const QString &title, Icon icon,
                                     Buttons buttons, Button defaultButton)
{
    Shown s;
    s.kind = Shown::Message;
    s.text = text;
    s.title = title;
    s.icon = icon;
    s.buttons = buttons;
    s.defaultButton = defaultButton;
    runDuring();
    Button answer = defaultButton;
    if (!m_buttons.empty()) {
        answer = m_buttons.front();
        m_buttons.pop_front();
    } else if (answer == NoButton) {
        for (Button b : {Ok, Yes, No, Cancel})
            if (buttons.testFlag(b)) {
                answer = b;
                break;
            }
    }
    s.answered = answer;
    m_shown.push_back(s);
    return answer;
}

QString FakeDialogs::input(QWidget *, const QString &prompt, const QString &title, const QString &defaultText)
{
    Shown s;
    s.kind = Shown::Input;
    s.text = prompt;
    s.title = title;
    s.defaultText = defaultText;
    runDuring();
    QString answer = defaultText;
    if (!m_texts.empty()) {
        answer = m_texts.front();
        m_texts.pop_front();
    }
    s.answeredText = answer;
    m_shown.push_back(s);
    return answer;
}

QString FakeDialogs::saveFileName(QWidget *, const QString &title, const QString &suggestedPath, const QString &)
{
    Shown s;
    s.kind = Shown::SaveFile;
    s.title = title;
    s.defaultText = suggestedPath;
    runDuring();
    QString answer;
    if (!m_files.empty()) {
        answer = m_files.front();
        m_files.pop_front();
    }
    s.answeredText = answer;
    m_shown.push_back(s);
    return answer;
}

namespace {

class FakeProgress : public Progress {
public:
    FakeProgress(QList<FakeDialogs::ProgressShown> &log, int index, int cancelAfter)
        : m_log(log), m_index(index), m_cancelAfter(cancelAfter)
    {
    }
    bool step(int, const QString &now) override
    {
        m_log[m_index].names << now;
        // Cancel is pressed while the step after cancelAfter is under way.
        return m_cancelAfter < 0 || m_log[m_index].names.size() <= m_cancelAfter;
    }
    void finish() override { m_log[m_index].finished = true; }

private:
    QList<FakeDialogs::ProgressShown> &m_log;
    int m_index;
    int m_cancelAfter;
};

} // namespace

std::unique_ptr<Progress> FakeDialogs::progress(QWidget *, const QString &title, int steps)
{
    m_progress.append({title, steps, {}, false});
    return std::make_unique<FakeProgress>(m_progress, int(m_progress.size()) - 1, m_cancelAfter);
}

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.text;
    return out;
}

} // namespace pw::test
