#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace pw {

namespace {

const QString kOwnPrefix = QStringLiteral("punchwell_");

// The names one UI language may have a translation under, the most particular first: "de-CH"
// gives "de_CH", then "de". A script part ("zh-Hant-TW") is passed over.
QStringList candidates(const QString &uiLanguage)
{
    const QStringList parts = uiLanguage.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    QStringList names;
    if (parts.isEmpty())
        return names;
    if (parts.size() >= 2)
        names << parts.first() + QLatin1Char('_') + parts.last();
    names << parts.first();
    return names;
}

bool isEnglish(const QString &uiLanguage)
{
    return uiLanguage.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0
        || uiLanguage.startsWith(QLatin1String("en-"), Qt::CaseInsensitive)
        || uiLanguage.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0;
}

} // namespace

Translations::Translations() : Translations(QLocale::system().uiLanguages()) {}

Translations::Translations(const QStringList &uiLanguages, const QString &folder)
{
    for (const QString &wanted : uiLanguages) {
        // The program is written in English: a user who prefers it gets the texts as they are.
        if (isEnglish(wanted))
            return;
        for (const QString &name : candidates(wanted)) {
            const QString file = QDir(folder).filePath(kOwnPrefix + name + QStringLiteral(".qm"));
            if (!QFileInfo::exists(file) || !m_own.load(file) || m_own.isEmpty())
                continue;
            m_language = name;
            m_ownInstalled = QCoreApplication::installTranslator(&m_own);
            // Qt's words in the same language, from where Qt keeps its translations ("de_CH"
            // falls back to "de" there).
            if (m_qt.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
            return;
        }
    }
}

Translations::~Translations()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_ownInstalled)
        QCoreApplication::removeTranslator(&m_own);
}

QStringList Translations::available()
{
    QStringList languages;
    const QDir folder(QString::fromLatin1(kBuiltIn));
    for (const QString &file : folder.entryList({kOwnPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << QFileInfo(file).completeBaseName().mid(kOwnPrefix.size());
    return languages;
}

} // namespace pw
