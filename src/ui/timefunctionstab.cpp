#include "ui/timefunctionstab.h"

#include "domain/clearing.h"
#include "domain/clocking.h"
#include "domain/companysettings.h"
#include "domain/printing.h"
#include "domain/recordviews.h"
#include "domain/session.h"
#include "domain/totals.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/typeddatetime.h"
#include "ui/artwork.h"
#include "ui/clicklabel.h"
#include "ui/recordbrowser.h"
#include "ui/reportboxes.h"
#include "ui/storageerror.h"
#include "ui/taskprompt.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pw {

namespace {

const char *const kClockInError = QT_TRANSLATE_NOOP("pw::TimeFunctionsTab", "Clock In Error");
const char *const kClockOutError = QT_TRANSLATE_NOOP("pw::TimeFunctionsTab", "Clock out Error");
const char *const kWagesTip = QT_TRANSLATE_NOOP("pw::TimeFunctionsTab", "Estimated wages");

} // namespace

TimeFunctionsTab::TimeFunctionsTab(Database &db, const Seams &seams, Session &session, CompanySettings &settings,
                                   QWidget *parent)
    : QWidget(parent), m_db(db), m_seams(seams), m_session(session), m_settings(settings)
{
    m_log = new LogView(m_db, this);
    buildLayout();

    connect(m_clickHereLabel, &ClickLabel::clicked, this, &TimeFunctionsTab::onUpdateClicked);
    connect(m_updateLabel, &ClickLabel::clicked, this, &TimeFunctionsTab::onUpdateClicked);
    connect(m_logBrowser, &RecordBrowser::failed, this,
            [this](const DbError &e) { reportUpdateFailure(m_seams.dialogs, window(), e); });
    connect(m_entryTimeEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { Q_EMIT entryShown(!text.isEmpty()); });
    connect(m_clockInButton, &QPushButton::clicked, this, &TimeFunctionsTab::requestClockIn);
    connect(m_clockOutButton, &QPushButton::clicked, this, &TimeFunctionsTab::clockOut);

    for (Switch which : {Switch::Edits, Switch::Money})
        applySwitch(which, m_settings.isOn(which));
    connect(&m_settings, &CompanySettings::switchChanged, this, &TimeFunctionsTab::applySwitch);
}

TimeFunctionsTab::~TimeFunctionsTab()
{
    delete m_taskPrompt;
}

void TimeFunctionsTab::buildLayout()
{
    m_nameLabel = named(new QLabel(this), "nameemp", tr("Logged-on employee"));
    m_nameLabel->setToolTip(tr("This displays the current users name"));
    QFont big = m_nameLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    m_nameLabel->setFont(big);
    m_nameLabel->setTextFormat(Qt::PlainText);

    m_clickHereLabel = named(new ClickLabel(tr("click here to"), this), "Label12",
                             tr("Click here to update the total hours"));
    m_clickHereLabel->setToolTip(tr("Click here to update the total hours"));
    m_updateLabel = named(new ClickLabel(tr("UPDATE"), this), "Label11", tr("Update the total hours"));
    m_updateLabel->setToolTip(tr("Update the total hours"));
    QFont bold = m_updateLabel->font();
    bold.setBold(true);
    m_updateLabel->setFont(bold);

    m_logFrame = named(new QGroupBox(tr("Punchwell Data:"), this), "Frame2");
    m_entryTimeEdit = named(new QLineEdit(m_logFrame), "lgndatetime", tr("Date and time of the entry"));
    m_entryTimeEdit->setToolTip(tr("Current records time and data"));
    m_statusLabel = named(new QLabel(tr("LastLogon"), m_logFrame), "Lastlogonvalue", tr("Status of the entry"));
    m_statusLabel->setToolTip(tr("Status of the current record. "));
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_taskLabel = named(new QLabel(m_logFrame), "Label5", tr("Task of the entry"));
    m_taskLabel->setTextFormat(Qt::PlainText);
    m_logBrowser = named(new RecordBrowser(*m_log, tr(" Browser"), m_logFrame), "database");
    m_logBrowser->setToolTip(tr("Click on there \"browser\" buttons to move between records."));
    m_logBrowser->bind(QStringLiteral("datetime"), m_entryTimeEdit, RecordBrowser::Kind::DateTime);
    m_logBrowser->bind(QStringLiteral("activity"), m_taskLabel);
    // The status word is stored in English and shown in the user's language.
    m_logBrowser->bind(QStringLiteral("inoutfx"), m_statusLabel, RecordBrowser::Kind::Status);
    auto *data = new QGridLayout(m_logFrame);
    data->addWidget(m_entryTimeEdit, 0, 0);
    data->addWidget(m_statusLabel, 0, 1);
    data->addWidget(m_taskLabel, 1, 0, 1, 2);
    data->addWidget(m_logBrowser, 2, 0, 1, 2);
    data->setColumnStretch(0, 1);

    m_clockInButton = makeButton(this, "clockin", tr("ClockIn (F1)"), tr("Click here to Clock In"));
    m_clockOutButton = makeButton(this, "clockout", tr("ClockOut (F2)"), tr("Click here to Clock Out"));
    m_clockInButton->setMinimumHeight(48);
    m_clockOutButton->setMinimumHeight(48);

    m_hoursFrame = named(new QGroupBox(tr("Tot. Hours"), this), "Frame7");
    m_hoursLabel = named(new QLabel(QStringLiteral("0"), m_hoursFrame), "currhours", tr("Total hours"));
    m_hoursLabel->setToolTip(tr("Total number of hours"));
    m_hoursLabel->setFont(big);
    (new QHBoxLayout(m_hoursFrame))->addWidget(m_hoursLabel);

    m_wagesFrame = named(new QGroupBox(tr("Est. Wages"), this), "frmmoney");
    auto *dollar = new QLabel(QStringLiteral("$"), m_wagesFrame);
    m_wagesLabel = named(new QLabel(QStringLiteral("0.00"), m_wagesFrame), "currmoney", tr(kWagesTip));
    m_wagesLabel->setFont(big);
    auto *moneyLayout = new QHBoxLayout(m_wagesFrame);
    moneyLayout->addWidget(dollar);
    moneyLayout->addWidget(m_wagesLabel, 1);

    // Shown in place of the wages while the wage display is switched off.
    m_noWagesPicture = named(new QFrame(this), "Picture2");
    auto *icon = new QLabel(m_noWagesPicture);
    icon->setPixmap(artwork::iconPixmap(40));
    auto *programName = named(new QLabel(QStringLiteral("Punchwell"), m_noWagesPicture), "Label13");
    programName->setFont(big);
    auto *pictureLayout = new QHBoxLayout(m_noWagesPicture);
    pictureLayout->addWidget(icon);
    pictureLayout->addWidget(programName, 1);
    m_noWagesPicture->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(m_nameLabel, 1);
    top->addWidget(m_clickHereLabel);
    top->addWidget(m_updateLabel);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_clockInButton);
    bottom->addWidget(m_clockOutButton);
    bottom->addWidget(m_hoursFrame);
    bottom->addWidget(m_wagesFrame);
    bottom->addWidget(m_noWagesPicture);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_logFrame);
    layout->addLayout(bottom);
    layout->addStretch();
}

void TimeFunctionsTab::applySwitch(Switch which, bool on)
{
    switch (which) {
    case Switch::Edits:
        setLocked(m_entryTimeEdit, on);
        break;
    case Switch::Money:
        m_wagesFrame->setVisible(!on);
        m_noWagesPicture->setVisible(on);
        break;
    case Switch::Subs:
        break; // read at each clock-in
    }
}

void TimeFunctionsTab::enter()
{
    m_nameLabel->setText(m_session.name());
    if (DbError e = openLog(m_session.name()))
        reportFailure(m_seams.dialogs, window(), kBoxTitle,
                      tr("The time log of %1 cannot be opened").arg(m_session.name()), e);
}

DbError TimeFunctionsTab::openLog(const QString &name)
{
    m_log->setRecordSource(name);
    return m_log->refresh();
}

void TimeFunctionsTab::refreshLog()
{
    m_log->refresh();
}

DbError TimeFunctionsTab::showTotals(const QString &name, const QString &wage, DbError *problem)
{
    m_wagesLabel->setText(QStringLiteral("0"));
    m_wagesLabel->setToolTip(tr(kWagesTip));
    if (DbError e = openLog(name))
        return e;
    if (m_log->eof()) {
        m_hoursLabel->setText(QStringLiteral("0"));
        return {};
    }
    const auto totals = pw::countTotals(m_db, name, wage, m_seams.clock.localNow());
    if (!totals)
        return totals.error();
    m_hoursLabel->setText(totals->text.hours);
    m_wagesLabel->setText(totals->text.wage);
    m_wagesLabel->setToolTip(wagesToolTip(tr(kWagesTip), totals->text.problem));
    if (problem)
        *problem = totals->text.problem;
    // The view ends on the last entry.
    m_log->moveLast();
    return {};
}

void TimeFunctionsTab::countTotals(const QString &name, const QString &wage)
{
    if (DbError e = showTotals(name, wage, nullptr))
        reportLogFailure(m_seams.dialogs, window(), name, e, kBoxTitle);
}

void TimeFunctionsTab::updateTotals()
{
    countTotals(m_session.name(), m_session.wage());
}

void TimeFunctionsTab::onUpdateClicked()
{
    // Stores what was typed into the log view, then counts again; every failure is reported.
    if (DbError e = m_logBrowser->updateRecord()) {
        reportUpdateFailure(m_seams.dialogs, window(), e);
        return;
    }
    DbError problem;
    if (DbError e = showTotals(m_session.name(), m_session.wage(), &problem))
        reportUpdateFailure(m_seams.dialogs, window(), e);
    else if (problem)
        reportUpdateFailure(m_seams.dialogs, window(), problem);
}

void TimeFunctionsTab::requestClockIn()
{
    // The log is read again first: only a last entry of exactly "Clocked In" is refused here.
    const clocking::Result request = clocking::requestClockIn(*m_log);
    if (request.outcome == clocking::Outcome::Failed) {
        reportLogFailure(m_seams.dialogs, window(), m_session.name(), request.error, tr(kClockInError));
        return;
    }
    if (request.outcome == clocking::Outcome::NotClockedOut) {
        // Perhaps clocked in at another workstation: the window shows the log as it now is first.
        updateTotals();
        m_log->moveLast();
        m_seams.dialogs.inform(window(), tr("You must first Clock Out."), tr(kClockInError),
                               Dialogs::Icon::Exclamation);
        return;
    }
    if (m_settings.isOn(Switch::Subs)) {
        // No prompt: whatever a prompt left open holds is the task, normally nothing.
        clockIn(m_taskPrompt ? m_taskPrompt->task() : QString());
        return;
    }
    if (!m_taskPrompt) {
        m_taskPrompt = new TaskPrompt(m_seams.dialogs);
        // A task clocks in only the employee the prompt was shown to, and only while logged on.
        connect(m_taskPrompt, &TaskPrompt::taskEntered, this, [this](const QString &task) {
            if (m_session.isLoggedOn() && m_session.name() == m_promptOpenedFor)
                clockIn(task);
        });
        // A closed prompt is gone: the next clock-in shows a new, empty one.
        connect(m_taskPrompt, &TaskPrompt::cancelled, this, [this] { m_taskPrompt = nullptr; });
    }
    m_promptOpenedFor = m_session.name();
    m_taskPrompt->open();
}

void TimeFunctionsTab::hideTaskPrompt()
{
    if (m_taskPrompt)
        m_taskPrompt->hide();
}

void TimeFunctionsTab::closeTaskPrompt()
{
    if (m_taskPrompt && m_taskPrompt->isVisible())
        m_taskPrompt->close();
}

bool TimeFunctionsTab::storeCorrection()
{
    const DbError e = m_logBrowser->updateRecord();
    if (e)
        reportUpdateFailure(m_seams.dialogs, window(), e);
    return e.number != ErrRefusedValue;
}

void TimeFunctionsTab::dropUnreadableCorrection()
{
    if (!formats::parseTypedDateTime(m_entryTimeEdit->text()))
        m_logBrowser->reload();
}

void TimeFunctionsTab::clockIn(const QString &task)
{
    const QString name = m_session.name();
    if (DbError e = openLog(name)) {
        reportLogFailure(m_seams.dialogs, window(), name, e, tr(kClockInError));
    } else {
        const clocking::Result r = clocking::clockIn(m_db, name, name, m_seams.clock.localNow(), task);
        if (r.outcome == clocking::Outcome::Failed)
            reportFailure(m_seams.dialogs, window(), tr(kClockInError),
                          tr("The clock-in could not be stored, so nothing was written"), r.error,
                          tr(" Please try again."));
        else if (r.outcome == clocking::Outcome::NotClockedOut) {
            // Clocked in meanwhile at another workstation: shown as it now is, then said.
            updateTotals();
            m_log->moveLast();
            m_seams.dialogs.inform(window(), tr("You must first Clock Out."), tr(kClockInError),
                                   Dialogs::Icon::Exclamation);
            if (m_taskPrompt)
                m_taskPrompt->clearTask();
            return;
        } else if (r.outcome == clocking::Outcome::TaskTooLong)
            // A task typed into a prompt left open before the prompt was switched off.
            m_seams.dialogs.inform(window(), TaskPrompt::taskTooLong(), tr(kClockInError),
                                   Dialogs::Icon::Exclamation);
    }
    // The totals follow every attempt, a refused one included.
    updateTotals();
    m_log->moveLast();
    if (m_taskPrompt)
        m_taskPrompt->clearTask();
}

void TimeFunctionsTab::clockOut()
{
    const QString name = m_session.name();
    if (DbError e = openLog(name)) {
        reportLogFailure(m_seams.dialogs, window(), name, e, tr(kClockOutError));
    } else {
        const clocking::Result r = clocking::clockOut(m_db, name, name, m_seams.clock.localNow());
        // A refusal may come from a change another workstation made: the window shows the log as
        // it now is before it says so.
        if (r.outcome == clocking::Outcome::EmptyLog || r.outcome == clocking::Outcome::NotClockedIn) {
            updateTotals();
            m_seams.dialogs.inform(window(),
                                   r.outcome == clocking::Outcome::EmptyLog ? tr("You must first Clock in.")
                                                                            : tr("You must first Clock In."),
                                   tr(kClockOutError), Dialogs::Icon::Exclamation);
            return;
        }
        switch (r.outcome) {
        case clocking::Outcome::Failed:
            reportFailure(m_seams.dialogs, window(), tr(kClockOutError),
                          tr("The clock-out could not be stored, so nothing was written"), r.error,
                          tr(" Please try again."));
            break;
        case clocking::Outcome::Stored:
            Q_EMIT clockedOut();
            break;
        case clocking::Outcome::EmptyLog:
        case clocking::Outcome::NotClockedIn:
        case clocking::Outcome::NotClockedOut:
        case clocking::Outcome::TaskTooLong:
            break;
        }
    }
    updateTotals();
}

void TimeFunctionsTab::deleteLastEntry()
{
    // No question and no message: the most recent entry goes. The totals keep their figures
    // until the next count.
    const QString table = m_log->recordSource();
    const auto removed = clocking::deleteLast(m_db, table);
    if (!removed) {
        reportFailure(m_seams.dialogs, window(), kBoxTitle,
                      tr("The last entry could not be deleted, so the log is unchanged"), removed.error());
        return;
    }
    // The view shows the log's first entry afterwards.
    if (DbError e = openLog(table))
        reportLogFailure(m_seams.dialogs, window(), table, e, kBoxTitle);
}

void TimeFunctionsTab::printOwnLog()
{
    m_seams.dialogs.message(window(), tr("The data is being sent to the default printer"), kBoxTitle,
                            Dialogs::Icon::None, Dialogs::Ok, Dialogs::Ok);
    // A log that could not be read has had its box; the count after it would only say so again.
    reportboxes::RunBoxes boxes(m_seams.dialogs, window(), kBoxTitle);
    boxes.onStepDone = [this](const QString &) {
        m_log->moveLast();
        updateTotals();
    };
    printing::printOwn(m_db, m_seams.printers, m_seams.clock, m_settings.company(), m_session.name(), m_log->recordSource(),
                       boxes);
}

void TimeFunctionsTab::clearOwnLog()
{
    const Dialogs::Button answer = m_seams.dialogs.message(
        window(),
        tr("This will delete all clock in and clock out values.  It should only be done at the end of a "
           "time period.  Are you sure you want to continue ?"),
        tr("Punchwell Warning"), Dialogs::Icon::Critical, Dialogs::Yes | Dialogs::No, Dialogs::No);
    if (answer == Dialogs::Yes) {
        const auto cleared = clearing::clearAll(m_db, m_log->recordSource());
        if (!cleared) {
            // One box for the failure: the count after it would only say so again.
            reportFailure(m_seams.dialogs, window(), kBoxTitle,
                          tr("Your log could not be cleared, so it is unchanged"), cleared.error());
            m_log->refresh();
            return;
        }
        m_log->refresh();
    }
    updateTotals();
}

} // namespace pw
