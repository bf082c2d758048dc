#include "app/accessstartup.h"

#include "access/accessconversion.h"
#include "access/jetreader.h"
#include "app/commandtext.h"
#include "db/database.h"
#include "platform/dialogs.h"
#include "messages/errortext.h"
#include "ui/windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pw {

namespace {

// The progress window of bringing the company over: each step names the table it reads.
class TableProgress : public Progress {
public:
    explicit TableProgress(std::unique_ptr<Progress> window) : m_window(std::move(window)) {}
    bool step(int done, const QString &table) override
    {
        return m_window->step(
            done, QCoreApplication::translate("pw::AccessStartUp", "Bringing over %1").arg(ErrorText::quotedName(table)));
    }
    void finish() override { m_window->finish(); }

private:
    std::unique_ptr<Progress> m_window;
};

bool stop(Windows &windows, const QString &text, Dialogs::Icon icon)
{
    windows.seams().dialogs.inform(nullptr, text, kBoxTitle, icon);
    windows.endProgram(1);
    return false;
}

} // namespace

bool offerAccessConversion(Windows &windows)
{
    const QString path = windows.db().location().file;
    if (!QFileInfo(path).isFile())
        return true; // a company on a server, or no file yet
    removeInterruptedConversion(path);
    if (!JetReader::looksLikeAccess(path))
        return true;

    Dialogs &dialogs = windows.seams().dialogs;
    const QString shown = QDir::toNativeSeparators(path);
    const QString name = QFileInfo(path).fileName();
    const AccessOutcome found = inspectAccessCompany(path);
    if (!found)
        return stop(windows, ErrorText::accessUnreadable(shown, found.error()), Dialogs::Icon::Critical);

    const QString kept = QFileInfo(accessKeptPath(path)).fileName();
    const auto answer = dialogs.message(
        nullptr,
        QCoreApplication::translate("pw::AccessStartUp",
                                    "The company file\n\n%1\n\nis an Access-format database (%2) with %3 employees. "
                                    "Punchwell can bring the company over into a file of its own:\n\n"
                                    "\u2022 the old file is kept, renamed \u201c%4\u201d, and is never written to;\n"
                                    "\u2022 a new Punchwell file \u201c%5\u201d is made from it and compared with it, "
                                    "value by value.\n\n"
                                    "Do you want to bring the company over now?")
            .arg(shown, JetReader::formatName(found->format))
            .arg(found->employees.size())
            .arg(kept, name),
        kBoxTitle, Dialogs::Icon::Question, Dialogs::Yes | Dialogs::No, Dialogs::Yes);
    if (answer != Dialogs::Yes) {
        windows.endProgram(1);
        return false;
    }

    TableProgress progress(dialogs.progress(
        nullptr, QCoreApplication::translate("pw::AccessStartUp", "Bringing the company over"), found->tables));
    const AccessOutcome done = convertAccessFileInPlace(path, &progress);
    progress.finish();
    if (!done && done.error().reason == DbReason::AccessCancelled)
        return stop(windows, ErrorText::accessCancelled(name), Dialogs::Icon::Information);
    if (!done)
        return stop(windows, ErrorText::accessNotConverted(shown, name, done.error()), Dialogs::Icon::Critical);

    dialogs.inform(nullptr,
                   QCoreApplication::translate("pw::AccessStartUp",
                                               "The company has been brought over into a new Punchwell file, "
                                               "\u201c%1\u201d. The old Access-format file is kept as \u201c%2\u201d."
                                               "\n\n%3")
                       .arg(name, QFileInfo(done->keptAs).fileName(), CommandText::accessReport(*done)),
                   kBoxTitle, Dialogs::Icon::Information);
    return true;
}

} // namespace pw
