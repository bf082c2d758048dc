#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <unistd.h>

namespace pw::test {

// Pins what the machine would otherwise decide: the platform, the language and the time zone.
inline void prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    qputenv("LANG", "en_US.UTF-8");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/punchwell-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QFile::setPermissions(QString::fromLocal8Bit(dir), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
}

// Stops the process's private PostgreSQL server, if a test started one (testcompany.h).
void stopTestServer();

} // namespace pw::test

// The main of a test without windows (of the storage, the domain): no QApplication, the same
// environment and locale as the window tests have.
#define PW_CORE_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char *argv[])                                                                              \
    {                                                                                                             \
        pw::test::prepareEnvironment();                                                                           \
        QCoreApplication app(argc, argv);                                                                         \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                                    \
        TestClass tc;                                                                                             \
        const int failed = QTest::qExec(&tc, argc, argv);                                                         \
        pw::test::stopTestServer();                                                                               \
        return failed;                                                                                            \
    }
