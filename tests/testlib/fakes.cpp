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

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.text;
    return out;
}

} // namespace pw::test
