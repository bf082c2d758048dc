#include "platform/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include <atomic>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace pw::safefile {

namespace {

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool failed(const std::error_code &ec, QString *why)
{
    if (ec && why)
        *why = QString::fromLocal8Bit(ec.message());
    return bool(ec);
}

// Copies a file whole under a temporary name, makes it durable, then gives it its name.
bool copyWhole(const QString &from, const QString &to, const QString &temp, QString *why)
{
    QFile::remove(temp);
    std::error_code ec;
    std::filesystem::copy_file(fsPath(from), fsPath(temp), ec);
    QString failure;
    if (ec) {
        failure = QString::fromLocal8Bit(ec.message());
    } else {
        QFile copy(temp);
        if (!copy.open(QIODevice::ReadWrite)) {
            failure = copy.errorString();
        } else {
#ifdef Q_OS_UNIX
            if (::fsync(copy.handle()) != 0)
                failure = QString::fromLocal8Bit(std::strerror(errno));
#endif
        }
    }
    if (failure.isEmpty()) {
        std::filesystem::rename(fsPath(temp), fsPath(to), ec);
        if (ec)
            failure = QString::fromLocal8Bit(ec.message());
    }
    if (failure.isEmpty())
        return true;
    QFile::remove(temp);
    if (why)
        *why = failure;
    return false;
}

// The start of every temporary name of a kind beside file, up to the process's own part.
QString temporaryPrefix(const QString &file, const QString &kind)
{
    const QString host = QSysInfo::machineHostName().replace(QLatin1Char('-'), QLatin1Char('_'));
    return QLatin1Char('.') + QFileInfo(file).fileName() + QLatin1Char('.') + kind + QLatin1Char('-') + host + QLatin1Char('-');
}

bool processEnded(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

} // namespace

QString temporaryBeside(const QString &file, const QString &kind)
{
    static std::atomic<int> counter{0};
    const QFileInfo info(file);
    const QString prefix = temporaryPrefix(file, kind) + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    for (;;) {
        const QString path = info.absoluteDir().filePath(prefix + QString::number(++counter));
        if (!QFileInfo::exists(path) && !QFileInfo::exists(path + QStringLiteral("-journal")))
            return path;
    }
}

void removeStaleTemporaries(const QString &file, const QString &kind)
{
    const QFileInfo info(file);
    const QString prefix = temporaryPrefix(file, kind);
    const QStringList names = info.absoluteDir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        // NAME.KIND-HOST-PID-N, and SQLite's -journal, -wal and -shm after it.
        const QStringView rest = QStringView(name).mid(prefix.size());
        bool ok = false;
        const qint64 pid = rest.left(rest.indexOf(QLatin1Char('-'))).toLongLong(&ok);
        if (ok && processEnded(pid))
            QFile::remove(info.absoluteDir().filePath(name));
    }
}

bool nameIfFree(const QString &temp, const QString &name, QString *why)
{
    // A link fails on a name that is taken; a rename would replace the file of that name, so it is
    // only tried where links cannot be made and the name is still free.
    std::error_code ec;
    std::filesystem::create_hard_link(fsPath(temp), fsPath(name), ec);
    if (!ec) {
        QFile::remove(temp);
    } else if (!QFileInfo::exists(name)) {
        ec.clear();
        std::filesystem::rename(fsPath(temp), fsPath(name), ec);
    }
    if (ec || QFileInfo::exists(temp)) {
        QFile::remove(temp);
        if (why)
            *why = QString::fromLocal8Bit(ec.message());
        return false;
    }
    return true;
}

bool renameOver(const QString &from, const QString &to, QString *why)
{
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    return !failed(ec, why);
}

bool linkOrCopy(const QString &from, const QString &to, const QString &temp, QString *why)
{
    std::error_code ec;
    std::filesystem::create_hard_link(fsPath(from), fsPath(to), ec);
    return !ec || copyWhole(from, to, temp, why);
}

bool syncFile(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

void syncFolder(const QString &file)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(file);
#endif
}

bool sameContent(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(kChunk);
        if (x.isEmpty() || x != fb.read(kChunk))
            return false;
    }
    return true;
}

bool tryTakeLock(QLockFile &lock)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError)
        return false;
    qint64 pid = 0;
    QString host, program;
    if (lock.getLockInfo(&pid, &host, &program))
        return false;
    QThread::msleep(100);
    if (lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError || lock.getLockInfo(&pid, &host, &program))
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

} // namespace pw::safefile
