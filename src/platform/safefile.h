#pragma once

#include <QString>

class QFile;
class QLockFile;

// Replacing a file safely: a name that holds a whole file at every moment, and steps that stay
// made when the machine stops right after them. Each step that can fail says why in the system's
// words.
namespace pw::safefile {

// Gives the finished file temp the name name, only if no file has that name: a hard link where the
// file system can make one, a rename where it cannot. temp is gone afterwards, whatever happened.
bool nameIfFree(const QString &temp, const QString &name, QString *why);

// Renames from to to in one atomic step, replacing a file of that name.
bool renameOver(const QString &from, const QString &to, QString *why);

// A second name for the bytes of from: a hard link, or where links cannot be made a whole copy
// written under temp, made durable and only then renamed to to.
bool linkOrCopy(const QString &from, const QString &to, const QString &temp, QString *why);

// Makes what was written to the folder of file (a new name, a rename) durable.
void syncFolder(const QString &file);

// A name beside file for a temporary file of this program's, of a kind (a word), unused at the time
// of asking: ".NAME.KIND-HOST-PID-N". It names this computer and this process, so a process killed
// while it wrote the file leaves a name that no later one takes.
QString temporaryBeside(const QString &file, const QString &kind);
// Removes what temporaryBeside(file, kind) named for a process of this computer that has ended (a
// killed one's left-overs), with the files SQLite kept beside them.
void removeStaleTemporaries(const QString &file, const QString &kind);

// Makes what was written to an open file durable before it is named: a crash after a rename must
// not leave an empty or half file under the name. False when the system refuses.
bool syncFile(QFile &file);

// Whether two files hold the same bytes; false when either cannot be read.
bool sameContent(const QString &a, const QString &b);

// Takes a lock file, taking over a stale one. Only a lock whose program is gone is stale, however
// long that program runs. A program killed between making the lock file and writing into it
// leaves a file that names no program, which Qt never counts as stale. Such a file, still
// unreadable a moment later, is removed and the lock taken: the removal fails while a live
// program holds the file.
bool tryTakeLock(QLockFile &lock);

} // namespace pw::safefile
