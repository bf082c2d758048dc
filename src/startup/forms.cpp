#include "startup/forms.h"

#include "admin/frmadd.h"
#include "admin/frmpass.h"
#include "admin/frmprop.h"
#include "clock/frmmain.h"
#include "clock/frmsub.h"
#include "platform/programend.h"
#include "startup/frmlogon.h"
#include "startup/frmsplash.h"
#include "startup/frmstartup.h"

namespace pw {

Forms::Forms(const AppContext &context, Database &db) : m_ctx(context), m_db(db) {}

Forms::~Forms()
{
    // Dialogs first: their handlers may reach the main and logon windows.
    delete m_sub;
    delete m_add;
    delete m_pass;
    delete m_prop;
    delete m_startup;
    delete m_splash;
    delete m_logon;
    delete m_main;
}

template <typename F>
F *Forms::load(QPointer<F> &slot)
{
    if (!slot) {
        // The slot is filled before the load runs, so a load that reaches back to its own window
        // finds it instead of making a second one.
        slot = new F(*this);
        slot->Form_Load();
    }
    return slot;
}

template <typename F>
void Forms::unload(QPointer<F> &slot)
{
    if (F *w = slot) {
        slot = nullptr;
        w->hide();
        w->deleteLater();
    }
}

frmsplash *Forms::splash() { return load(m_splash); }
frmstartup *Forms::startup()
{
    if (!m_startup)
        m_startup = new frmstartup(*this); // its load runs when the logon window starts the first run
    return m_startup;
}
frmlogon *Forms::logon() { return load(m_logon); }
frmmain *Forms::main() { return load(m_main); }
frmsub *Forms::sub() { return load(m_sub); }
frmadd *Forms::add() { return load(m_add); }
frmpass *Forms::pass() { return load(m_pass); }
frmprop *Forms::prop() { return load(m_prop); }

bool Forms::hasSplash() const { return !m_splash.isNull(); }
bool Forms::hasStartup() const { return !m_startup.isNull(); }
bool Forms::hasLogon() const { return !m_logon.isNull(); }
bool Forms::hasMain() const { return !m_main.isNull(); }
bool Forms::hasSub() const { return !m_sub.isNull(); }
bool Forms::hasAdd() const { return !m_add.isNull(); }
bool Forms::hasPass() const { return !m_pass.isNull(); }
bool Forms::hasProp() const { return !m_prop.isNull(); }

void Forms::unloadSplash() { unload(m_splash); }
void Forms::unloadStartup() { unload(m_startup); }
void Forms::unloadSub() { unload(m_sub); }
void Forms::unloadAdd() { unload(m_add); }
void Forms::unloadPass() { unload(m_pass); }
void Forms::unloadProp() { unload(m_prop); }

void Forms::endProgram(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    // Hidden, not closed: closing would run the windows' own close handling.
    for (QWidget *w : std::initializer_list<QWidget *>{m_sub, m_add, m_pass, m_prop, m_startup, m_splash, m_main, m_logon})
        if (w)
            w->hide();
    m_ctx.programEnd->end(exitCode);
}

} // namespace pw
