#include "clock/frmmain.h"

#include "admin/frmprop.h"
#include "clock/clicklabel.h"
#include "db/database.h"
#include "db/datetimecodec.h"
#include "db/employeelist.h"
#include "db/loggridmodel.h"
#include "db/recordbrowser.h"
#include "db/recordset.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/formats.h"
#include "platform/windowing.h"
#include "startup/artwork.h"
#include "startup/forms.h"
#include "startup/frmlogon.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

template <typename W>
W *named(W *widget, const char *name, const QString &accessible = {})
{
    widget->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, W>)
        if (!accessible.isEmpty())
            widget->setAccessibleName(accessible);
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setToolTip(tip);
    return b;
}

} // namespace

frmmain::frmmain(pw::Forms &forms) : QMainWindow(nullptr), m_forms(forms)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Punchwell"));
    setWindowIcon(pw::artwork::icon());

    m_databaseRecords = new pw::RecordSet(m_forms.db(), this);
    m_mandataRecords = new pw::RecordSet(m_forms.db(), this);
    manuse = new pw::RecordSet(m_forms.db(), this);
    manuse->setObjectName(QStringLiteral("manuse"));
    m_gridModel = new pw::LogGridModel(m_forms.db(), this);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    SSTab1 = named(new QTabWidget(central), "SSTab1", QStringLiteral("Punchwell functions"));
    auto *timeTab = new QWidget;
    auto *managementTab = new QWidget;
    auto *aboutTab = new QWidget;
    SSTab1->addTab(timeTab, QStringLiteral("Time Functions"));
    SSTab1->addTab(managementTab, QStringLiteral("Management"));
    SSTab1->addTab(aboutTab, QStringLiteral("About"));
    buildTimeFunctions(timeTab);
    buildManagement(managementTab);
    buildAbout(aboutTab);
    layout->addWidget(SSTab1, 1);

    Frame1 = named(new QGroupBox(QStringLiteral("Time and Date:"), central), "Frame1");
    lbldate = named(new QLabel(QStringLiteral("Date"), Frame1), "lbldate", QStringLiteral("Current Date"));
    lbldate->setToolTip(QStringLiteral("Current Date"));
    lbltime = named(new QLabel(QStringLiteral("Time"), Frame1), "lbltime", QStringLiteral("Current Time"));
    lbltime->setToolTip(QStringLiteral("Current Time"));
    auto *clockLayout = new QHBoxLayout(Frame1);
    clockLayout->addWidget(lbldate);
    clockLayout->addStretch();
    clockLayout->addWidget(lbltime);
    layout->addWidget(Frame1);

    // Held outside the visible area: the logged-on employee's wage per hour.
    Thismoney = named(new QLabel(central), "Thismoney");
    Thismoney->hide();

    setCentralWidget(central);
    buildMenu();

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &frmmain::Timer1_Timer);
}

frmmain::~frmmain() = default;

void frmmain::buildTimeFunctions(QWidget *tab)
{
    nameemp = named(new QLabel(tab), "nameemp", QStringLiteral("Logged-on employee"));
    nameemp->setToolTip(QStringLiteral("This displays the current users name"));
    QFont big = nameemp->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    nameemp->setFont(big);
    nameemp->setTextFormat(Qt::PlainText);

    Label12 = named(new ClickLabel(QStringLiteral("click here to"), tab), "Label12", QStringLiteral("Click here to update the total hours"));
    Label12->setToolTip(QStringLiteral("Click here to update the total hours"));
    Label11 = named(new ClickLabel(QStringLiteral("UPDATE"), tab), "Label11", QStringLiteral("Update the total hours"));
    Label11->setToolTip(QStringLiteral("Update the total hours"));
    QFont bold = Label11->font();
    bold.setBold(true);
    Label11->setFont(bold);
    connect(Label12, &ClickLabel::clicked, this, &frmmain::UPDATE_Click);
    connect(Label11, &ClickLabel::clicked, this, &frmmain::UPDATE_Click);

    Frame2 = named(new QGroupBox(QStringLiteral("Punchwell Data:"), tab), "Frame2");
    lgndatetime = named(new QLineEdit(Frame2), "lgndatetime", QStringLiteral("Date and time of the entry"));
    lgndatetime->setToolTip(QStringLiteral("Current records time and data"));
    Lastlogonvalue = named(new QLabel(QStringLiteral("LastLogon"), Frame2), "Lastlogonvalue", QStringLiteral("Status of the entry"));
    Lastlogonvalue->setToolTip(QStringLiteral("Status of the current record. "));
    Lastlogonvalue->setTextFormat(Qt::PlainText);
    Label5 = named(new QLabel(Frame2), "Label5", QStringLiteral("Task of the entry"));
    Label5->setTextFormat(Qt::PlainText);
    database = named(new pw::RecordBrowser(*m_databaseRecords, QStringLiteral(" Browser"), Frame2), "database");
    database->setToolTip(QStringLiteral("Click on there \"browser\" buttons to move between records."));
    database->bind(QStringLiteral("datetime"), lgndatetime, pw::RecordBrowser::Kind::DateTime);
    database->bind(QStringLiteral("activity"), Label5);
    database->bind(QStringLiteral("inoutfx"), Lastlogonvalue);
    connect(database, &pw::RecordBrowser::failed, this, &frmmain::reportUpdateError);
    connect(lgndatetime, &QLineEdit::textChanged, this, &frmmain::lgndatetime_Change);
    auto *data = new QGridLayout(Frame2);
    data->addWidget(lgndatetime, 0, 0);
    data->addWidget(Lastlogonvalue, 0, 1);
    data->addWidget(Label5, 1, 0, 1, 2);
    data->addWidget(database, 2, 0, 1, 2);
    data->setColumnStretch(0, 1);

    clockin = button(tab, "clockin", QStringLiteral("ClockIn (F1)"), QStringLiteral("Click here to Clock In"));
    clockout = button(tab, "clockout", QStringLiteral("ClockOut (F2)"), QStringLiteral("Click here to Clock Out"));
    clockin->setMinimumHeight(48);
    clockout->setMinimumHeight(48);
    connect(clockin, &QPushButton::clicked, this, &frmmain::clockin_Click);
    connect(clockout, &QPushButton::clicked, this, &frmmain::clockout_Click);

    Frame7 = named(new QGroupBox(QStringLiteral("Tot. Hours"), tab), "Frame7");
    currhours = named(new QLabel(QStringLiteral("0"), Frame7), "currhours", QStringLiteral("Total hours"));
    currhours->setToolTip(QStringLiteral("Total number of hours"));
    currhours->setFont(big);
    (new QHBoxLayout(Frame7))->addWidget(currhours);

    frmmoney = named(new QGroupBox(QStringLiteral("Est. Wages"), tab), "frmmoney");
    auto *dollar = new QLabel(QStringLiteral("$"), frmmoney);
    currmoney = named(new QLabel(QStringLiteral("0.00"), frmmoney), "currmoney", QStringLiteral("Estimated wages"));
    currmoney->setFont(big);
    auto *moneyLayout = new QHBoxLayout(frmmoney);
    moneyLayout->addWidget(dollar);
    moneyLayout->addWidget(currmoney, 1);

    Picture2 = named(new QFrame(tab), "Picture2");
    auto *icon = new QLabel(Picture2);
    icon->setPixmap(pw::artwork::iconPixmap(40));
    Label13 = named(new QLabel(QStringLiteral("Punchwell"), Picture2), "Label13");
    Label13->setFont(big);
    auto *pictureLayout = new QHBoxLayout(Picture2);
    pictureLayout->addWidget(icon);
    pictureLayout->addWidget(Label13, 1);
    Picture2->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(nameemp, 1);
    top->addWidget(Label12);
    top->addWidget(Label11);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(clockin);
    bottom->addWidget(clockout);
    bottom->addWidget(Frame7);
    bottom->addWidget(frmmoney);
    bottom->addWidget(Picture2);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(top);
    layout->addWidget(Frame2);
    layout->addLayout(bottom);
    layout->addStretch();
}

void frmmain::buildManagement(QWidget *tab)
{
    Picture1 = named(new QFrame(tab), "Picture1");
    (new QVBoxLayout(tab))->addWidget(Picture1);

    Frame3 = named(new QGroupBox(QStringLiteral("Select an Employee:"), Picture1), "Frame3");
    mandata = named(new pw::RecordBrowser(*m_mandataRecords, QStringLiteral("Browser"), Frame3), "mandata");
    connect(mandata, &pw::RecordBrowser::failed, this, &frmmain::reportUpdateError);

    // The employee's fields; the grid panel lies over them while it is shown.
    m_employeeFields = new QWidget(Frame3);
    m_employeeFields->setObjectName(QStringLiteral("employeeFields"));
    manlist = named(new QLineEdit(m_employeeFields), "manlist", QStringLiteral("Employee name"));
    manlist->setReadOnly(true);
    auto *wageLabel = new QLabel(QStringLiteral("$/hr:"), m_employeeFields);
    emoney = named(new QLineEdit(m_employeeFields), "emoney", QStringLiteral("Wage per hour"));
    wageLabel->setBuddy(emoney);
    auto *notesLabel = new QLabel(QStringLiteral("Notes:"), m_employeeFields);
    Text1 = named(new QPlainTextEdit(m_employeeFields), "Text1", QStringLiteral("Notes"));
    Text1->setTabChangesFocus(true);
    notesLabel->setBuddy(Text1);
    auto *hoursLabel = new QLabel(QStringLiteral("Hours:"), m_employeeFields);
    manehours = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manehours", QStringLiteral("Employee's hours"));
    auto *dollar = new QLabel(QStringLiteral("$"), m_employeeFields);
    manemoney = named(new QLabel(QStringLiteral("0.00"), m_employeeFields), "manemoney", QStringLiteral("Employee's estimated wages"));
    auto *fields = new QGridLayout(m_employeeFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(manlist, 0, 0, 1, 4);
    fields->addWidget(wageLabel, 1, 0);
    fields->addWidget(emoney, 1, 1, 1, 3);
    fields->addWidget(notesLabel, 2, 0, Qt::AlignTop);
    fields->addWidget(Text1, 2, 1, 1, 3);
    fields->addWidget(hoursLabel, 3, 0);
    fields->addWidget(manehours, 3, 1);
    fields->addWidget(dollar, 3, 2, Qt::AlignRight);
    fields->addWidget(manemoney, 3, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    mandata->bind(QStringLiteral("Ename"), manlist);
    mandata->bind(QStringLiteral("Ewage"), emoney);
    mandata->bind(QStringLiteral("Ecomment"), Text1);

    Picture3 = named(new QFrame(Frame3), "Picture3");
    DBGrid1 = named(new QTableView(Picture3), "DBGrid1", QStringLiteral("Employee's time log"));
    DBGrid1->setModel(m_gridModel);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    (new QVBoxLayout(Picture3))->addWidget(DBGrid1);
    auto *pictureLayout = Picture3->layout();
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    Picture3->hide();

    Label8 = named(new ClickLabel(QStringLiteral("Toggle Employee Grid"), Frame3), "Label8", QStringLiteral("Toggle Employee Grid"));
    Label8->setToolTip(QStringLiteral("Click here to view an Employee's data in a Data Grid."));
    QFont underline = Label8->font();
    underline.setUnderline(true);
    Label8->setFont(underline);
    connect(Label8, &ClickLabel::clicked, this, &frmmain::Label8_Click);

    auto *frame3 = new QGridLayout(Frame3);
    frame3->addWidget(mandata, 0, 0);
    frame3->addWidget(m_employeeFields, 1, 0);
    frame3->addWidget(Picture3, 1, 0);
    frame3->addWidget(Label8, 2, 0);
    frame3->setRowStretch(1, 1);

    Frame4 = named(new QGroupBox(QStringLiteral("Functions:"), Picture1), "Frame4");
    Command5 = button(Frame4, "Command5", QStringLiteral("Add New"), QStringLiteral("Add a new Employee"));
    Deleteemp = button(Frame4, "Deleteemp", QStringLiteral("Delete"), QStringLiteral("Delete an Employee"));
    Command4 = button(Frame4, "Command4", QStringLiteral("Clear Log"), QStringLiteral("Clear an Employee's logs"));
    Command3 = button(Frame4, "Command3", QStringLiteral("Print Log"), QStringLiteral("Print an Employee's Time Card"));
    ChgPass = button(Frame4, "ChgPass", QStringLiteral("Chg Pass"), QStringLiteral("Change an Employee's password"));
    Command1 = button(Frame4, "Command1", QStringLiteral("Get Hrs/$"), QStringLiteral("Get the Employee's total number of hours and pay."));
    Command2 = button(Frame4, "Command2", QStringLiteral("Properties"), QStringLiteral("Change Punchwell's properties"));
    auto *functions = new QVBoxLayout(Frame4);
    for (QPushButton *b : {Command5, Deleteemp, Command4, Command3, ChgPass, Command1, Command2})
        functions->addWidget(b);
    functions->addStretch();
    connect(Command5, &QPushButton::clicked, this, &frmmain::Command5_Click);
    connect(Deleteemp, &QPushButton::clicked, this, &frmmain::Deleteemp_Click);
    connect(Command4, &QPushButton::clicked, this, &frmmain::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &frmmain::Command3_Click);
    connect(ChgPass, &QPushButton::clicked, this, &frmmain::ChgPass_Click);
    connect(Command1, &QPushButton::clicked, this, &frmmain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmmain::Command2_Click);

    auto *panel = new QHBoxLayout(Picture1);
    panel->addWidget(Frame3, 1);
    panel->addWidget(Frame4);
    Picture1->hide();
}

void frmmain::buildAbout(QWidget *tab)
{
    Frame5 = named(new QGroupBox(QStringLiteral("About this Program:"), tab), "Frame5");
    cmpname = named(new QLabel(QStringLiteral("Company Name:"), Frame5), "cmpname");
    company = named(new QLabel(Frame5), "company", QStringLiteral("Company name"));
    company->setTextFormat(Qt::PlainText);
    auto *icon = new QLabel(Frame5);
    icon->setPixmap(pw::artwork::iconPixmap(64));
    auto *about = new QGridLayout(Frame5);
    about->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    about->addWidget(cmpname, 0, 1);
    about->addWidget(company, 0, 2);
    about->addWidget(new QLabel(QStringLiteral("Punchwell, the company time clock."), Frame5), 1, 1, 1, 2);
    about->setColumnStretch(2, 1);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(Frame5);
    layout->addStretch();
}

void frmmain::buildMenu()
{
    usermenu = named(menuBar()->addMenu(QStringLiteral("&Tools")), "usermenu");
    auto item = [this](const char *name, const QString &caption, const QKeySequence &key, void (frmmain::*handler)()) {
        QAction *a = usermenu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    Clkin = item("Clkin", QStringLiteral("Clock &In"), QKeySequence(Qt::Key_F1), &frmmain::clockin_Click);
    clkout = item("clkout", QStringLiteral("Clock &Out"), QKeySequence(Qt::Key_F2), &frmmain::clockout_Click);
    prntdata = item("prntdata", QStringLiteral("&Print Log"), QKeySequence(Qt::CTRL | Qt::Key_P), &frmmain::prntdata_Click);
    dltdata = item("dltdata", QStringLiteral("&Clear Log"), QKeySequence(Qt::CTRL | Qt::Key_D), &frmmain::dltdata_Click);
    dltlast = item("dltlast", QStringLiteral("&Delete Last"), QKeySequence(), &frmmain::dltlast_Click);
    chpass = item("chpass", QStringLiteral("Change My Pass&word"), QKeySequence(), &frmmain::chpass_Click);
    exitmain = item("exitmain", QStringLiteral("E&xit"), QKeySequence(), &frmmain::exitmain_Click);
    prntdata->setEnabled(false);
    dltdata->setEnabled(false);
}

void frmmain::Form_Load()
{
    resize(sizeHint().expandedTo(QSize(640, 460)));
    pw::centreOnScreen(this);
    m_forms.prop();
    m_mandataRecords->setRecordSource(QStringLiteral("datalist"));
    if (pw::DbError e = m_mandataRecords->refresh())
        reportUpdateError(e);
    Timer1_Timer();
    Timer1->start();
}

void frmmain::Timer1_Timer()
{
    const QDateTime now = m_forms.clock().now();
    const QString time = pw::formats::longTime(now.time());
    if (lbltime->text() != time)
        lbltime->setText(time);
    const QString date = pw::formats::shortDate(now.date());
    if (lbldate->text() != date)
        lbldate->setText(date);
}

pw::LocalDateTime frmmain::now() const
{
    const QDateTime t = m_forms.clock().now();
    return pw::LocalDateTime::fromQt(t).value_or(pw::LocalDateTime());
}

void frmmain::reportLogFailure(const QString &name, const pw::DbError &error, const QString &title)
{
    m_forms.dialogs().inform(this,
                             QStringLiteral("The time log of %1 cannot be used: %2 (error %3).").arg(name, error.description).arg(error.number),
                             title, pw::Dialogs::Icon::Exclamation);
}

void frmmain::lgndatetime_Change()
{
    const bool hasEntry = !lgndatetime->text().isEmpty();
    prntdata->setEnabled(hasEntry);
    dltdata->setEnabled(hasEntry);
}

pw::DbError frmmain::openLog(const QString &name)
{
    m_databaseRecords->setRecordSource(name);
    return m_databaseRecords->refresh();
}

pw::DbError frmmain::openManagedLog(const QString &name)
{
    manuse->setRecordSource(name);
    const pw::DbError e = manuse->refresh();
    if (e)
        m_gridModel->clear();
    else
        m_gridModel->setTable(name);
    return e;
}

void frmmain::Label8_Click()
{
    // The chosen employee's log is read again on every click; one that cannot be opened leaves the
    // grid empty. For a listed employee that is worth a word; an empty or unlisted name is not.
    const QString name = manlist->text();
    if (pw::DbError e = openManagedLog(name)) {
        const auto listed = pw::EmployeeList(m_forms.db()).find(name);
        if (!listed || listed->has_value())
            reportLogFailure(name, e, QStringLiteral("Punchwell"));
    }
    const bool show = Picture3->isHidden();
    Picture3->setVisible(show);
    m_employeeFields->setVisible(!show);
}

void frmmain::leave(const QString &namePrompt)
{
    hide();
    frmlogon *logon = m_forms.logon();
    logon->show();
    logon->raise();
    logon->activateWindow();
    logon->namechoice->setEditText(namePrompt);
    Picture1->hide();
}

void frmmain::exitmain_Click()
{
    leave(QString::fromLatin1(frmlogon::kNamePrompt));
}

void frmmain::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_forms.ended())
        leave(QStringLiteral("Click here for choice of Names---->"));
}

void frmmain::reportUpdateError(const pw::DbError &error)
{
    if (error.number == pw::ErrRefusedValue)
        m_forms.dialogs().message(this, QStringLiteral("Invalid Date / Time.  Please correct the entry and try again"),
                                  QStringLiteral("Punchwell"), pw::Dialogs::Icon::None, pw::Dialogs::Ok);
    else
        m_forms.dialogs().message(this,
                                  QStringLiteral("Error number: %1  has occured:  %2. Please try again.")
                                      .arg(error.number)
                                      .arg(error.description),
                                  QStringLiteral("Punchwell"), pw::Dialogs::Icon::None, pw::Dialogs::Ok);
}
