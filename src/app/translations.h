#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pw {

// The program's words in the user's language, with Qt's own (the Yes/No/Cancel buttons, the file
// dialogs) in the same language. The language is the first of the user's UI languages, in their
// order of preference, that Punchwell has a translation for; a language of which nothing is
// translated yet counts as none. English first, or none of them, leaves every text as written in
// the source, Qt's included. Installed into the application for the object's lifetime.
class Translations {
public:
    // The folder the build puts Punchwell's translations in, inside the program.
    static constexpr const char *kBuiltIn = ":/i18n";

    // From the system's UI languages.
    Translations();
    // From a list like QLocale::uiLanguages() ("de-CH", "fr", "en-US"), with Punchwell's
    // translations (punchwell_de.qm, punchwell_de_CH.qm, ...) taken from that folder.
    explicit Translations(const QStringList &uiLanguages, const QString &folder = QString::fromLatin1(kBuiltIn));
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language chosen ("de"), or empty for English.
    QString language() const { return m_language; }
    // Whether Qt's own words were found for it too.
    bool hasQtWords() const { return m_qtInstalled; }

    // The languages Punchwell has a translation file for in the program: "de", "es", "fr".
    static QStringList available();

private:
    QString m_language;
    QTranslator m_own;
    QTranslator m_qt;
    bool m_ownInstalled = false;
    bool m_qtInstalled = false;
};

} // namespace pw
