#pragma once

#include "testlib/coremain.h"

#include <QApplication>
#include <QStyleFactory>

namespace pw::test {

// Qt's offscreen platform says at many a window what it cannot do; those lines would bury real
// warnings. Installed on top of Qt Test's own handler (which qExec installs), so call it from a test.
void quietOffscreenWarnings();

// The style (Fusion) and the locale (en_US).
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
