#pragma once

#include "platform/seams.h"

#include <QObject>
#include <QPointer>

#include <chrono>

namespace pw {

class CompanySettings;
class Database;
class FirstRunWindow;
class LogonWindow;
class MainWindow;
class Session;
class SplashWindow;

// The program's windows: the splash, the first-run window, the logon window and the main window,
// each made on first use and existing at most once, and the state they share (who is logged on,
// the company's settings). This is where the windows are wired to each other: the logon opens the
// main window, leaving the main window brings the logon window back.
class Windows : public QObject {
    Q_OBJECT

public:
    Windows(Database &db, const Seams &seams);
    ~Windows() override;
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    Database &db() const { return m_db; }
    const Seams &seams() const { return m_seams; }

    SplashWindow *splash();
    // The logon window, loaded: on a first run the first-run window is shown instead.
    LogonWindow *logon();
    MainWindow *main();
    bool hasSplash() const { return !m_splash.isNull(); }
    bool hasLogon() const { return !m_logon.isNull(); }
    bool hasMain() const { return !m_main.isNull(); }

    // A workstation by the door: the main window is left by itself, as "E&xit" leaves it, once
    // nobody has pressed a key or clicked for that long; zero, the default, never.
    void setIdleLogoff(std::chrono::milliseconds after);

    // Ends the program at once: every window is hidden and no further handler runs.
    void endProgram(int exitCode = 0);
    bool ended() const { return m_ended; }

private:
    void onSplashActivated();
    void onLogonActivated();
    void onLoggedOn(const QString &name, const QString &wage, bool passwordGiven);
    void startFirstRun();

    Database &m_db;
    Seams m_seams;
    Session *m_session;
    CompanySettings *m_settings;
    QPointer<SplashWindow> m_splash;
    QPointer<FirstRunWindow> m_firstRunWindow;
    QPointer<LogonWindow> m_logon;
    QPointer<MainWindow> m_main;
    bool m_firstRun = false;
    bool m_logonActivated = false;
    bool m_ended = false;
    std::chrono::milliseconds m_idleLogoff{0};
};

} // namespace pw
