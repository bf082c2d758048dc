#pragma once

#include "platform/context.h"

#include <QPointer>

class frmsplash;
class frmstartup;
class frmlogon;
class frmmain;
class frmsub;
class frmadd;
class frmpass;
class frmprop;

namespace pw {

class Database;
class Dialogs;
class Clock;

// Every window of the program, each existing at most once and reachable by name. A window is made
// (and its load runs) on first use; unloading destroys it, and the next use makes it anew.
class Forms {
public:
    Forms(const AppContext &context, Database &db);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    const AppContext &context() const { return m_ctx; }
    Dialogs &dialogs() const { return *m_ctx.dialogs; }
    const Clock &clock() const { return *m_ctx.clock; }
    Database &db() const { return m_db; }

    frmsplash *splash();
    frmstartup *startup();
    frmlogon *logon();
    frmmain *main();
    frmsub *sub();
    frmadd *add();
    frmpass *pass();
    frmprop *prop();

    // Whether a window is loaded, without loading it.
    bool hasSplash() const;
    bool hasStartup() const;
    bool hasLogon() const;
    bool hasMain() const;
    bool hasSub() const;
    bool hasAdd() const;
    bool hasPass() const;
    bool hasProp() const;

    void unloadSplash();
    void unloadStartup();
    void unloadSub();
    void unloadAdd();
    void unloadPass();
    void unloadProp();

    // Ends the program at once: every window is hidden and no further handler runs.
    void endProgram(int exitCode = 0);
    bool ended() const { return m_ended; }

private:
    template <typename F>
    F *load(QPointer<F> &slot);
    template <typename F>
    void unload(QPointer<F> &slot);

    AppContext m_ctx;
    Database &m_db;
    bool m_ended = false;
    QPointer<frmsplash> m_splash;
    QPointer<frmstartup> m_startup;
    QPointer<frmlogon> m_logon;
    QPointer<frmmain> m_main;
    QPointer<frmsub> m_sub;
    QPointer<frmadd> m_add;
    QPointer<frmpass> m_pass;
    QPointer<frmprop> m_prop;
};

} // namespace pw
