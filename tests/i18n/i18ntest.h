#pragma once

// What the translation tests share: the Qt Linguist files read as messages, the rules a
// translation must keep, and every text the windows show.

#include <QList>
#include <QMap>
#include <QString>

namespace pw::test {

// One message of a Qt Linguist (.ts) file.
struct TsMessage {
    QString context;
    QString source;
    QString comment;     // the disambiguation, if any
    QString translation;
    QString type;        // "unfinished", "vanished" or "obsolete"; empty when finished

    // What tells two messages apart in one file.
    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
};

// The messages of a .ts file, in file order; nothing (with why) when it cannot be read.
QList<TsMessage> readTs(const QString &path, QString *error);

// What lupdate finds marked for translation in the source tree today, as the build's
// update_translations target would write it.
QList<TsMessage> markedInSources(QString *error);

// The .ts file of a language ("de") in the repository.
QString tsFile(const QString &language);

// Why a translation would break what its source relies on: the same %1 … %99 placeholders, at
// most one & (a shortcut) and one where the source has one, F1 and F2 where the source names
// them. Empty when it keeps them all.
QString placeholderFault(const QString &source, const QString &translation);

// Every text the windows show, by where it is shown ("frmlogon/choosePanel/Frame1:title"): the
// logon window, the main window of an employee and of the Manager with every tab, the menu, the
// grid, the task prompt, the Management tab's dialogs and the first-run window. Each run builds
// its own companies the same way, so two runs give the same places.
QMap<QString, QString> shownTexts();

// Whether a text shown there is the user's data (a name, a date and time, a number, the program's
// name) rather than the program's words.
bool isData(const QString &place, const QString &text);

} // namespace pw::test
