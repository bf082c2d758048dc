#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStyleFactory>
#include <QTest>

#include <unistd.h>

namespace pw::test {

// Qt's offscreen platform says at many a window what it cannot do; those lines would bury real
// warnings. Installed on top of Qt Test's own handler (which qExec installs), so call it from a test.
void quietOffscreenWarnings();

// Pins what the machine would otherwise decide: the platform, the locale (en_US), the time zone
// and the style.
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

// Stops the process's private PostgreSQL server, if a test started one (testapp.h).
void stopTestServer();

inline void prepareApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace pw::test

#define PW_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char *argv[])                                                                              \
    {                                                                                                             \
        pw::test::prepareEnvironment();                                                                           \
        QApplication app(argc, argv);                                                                             \
        pw::test::prepareApplication();                                                                           \
        TestClass tc;                                                                                             \
        const int failed = QTest::qExec(&tc, argc, argv);                                                         \
        pw::test::stopTestServer();                                                                               \
        return failed;                                                                                            \
    }
