#include "i18n/i18ntest.h"

#include "testlib/testapp.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace pw::test {

namespace {

const QString kSourceDir = QStringLiteral(PUNCHWELL_SOURCE_DIR);

QStringList placeholders(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// The texts one widget or menu item shows, under its place.
void collect(QObject *object, const QString &place, QMap<QString, QString> &texts)
{
    auto put = [&](const QString &what, const QString &text) {
        if (!text.isEmpty())
            texts.insert(place + QLatin1Char(':') + what, text);
    };
    if (auto *action = qobject_cast<QAction *>(object))
        return put(QStringLiteral("text"), action->text());
    auto *w = qobject_cast<QWidget *>(object);
    if (w->isWindow())
        put(QStringLiteral("windowTitle"), w->windowTitle());
    put(QStringLiteral("toolTip"), w->toolTip());
    put(QStringLiteral("accessibleName"), w->accessibleName());
    if (auto *label = qobject_cast<QLabel *>(w))
        put(QStringLiteral("text"), label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        put(QStringLiteral("text"), button->text());
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        put(QStringLiteral("title"), frame->title());
    if (auto *box = qobject_cast<QComboBox *>(w); box && box->isEditable())
        put(QStringLiteral("text"), box->currentText());
    if (auto *menu = qobject_cast<QMenu *>(w))
        put(QStringLiteral("title"), menu->title());
    if (auto *tabs = qobject_cast<QTabBar *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            put(QStringLiteral("tab%1").arg(i), tabs->tabText(i));
    if (auto *table = qobject_cast<QTableWidget *>(w)) {
        for (int c = 0; c < table->columnCount(); ++c)
            put(QStringLiteral("header%1").arg(c), table->horizontalHeaderItem(c)->text());
    } else if (auto *grid = qobject_cast<QTableView *>(w)) {
        // A log's rows are data, but for the status words, which are shown in the user's language.
        const QAbstractItemModel *model = grid->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->index(r, c).data(Qt::EditRole).toString().startsWith(QLatin1String("Clocked ")))
                    put(QStringLiteral("cell%1,%2").arg(r).arg(c), model->index(r, c).data().toString());
    }
}

// The texts of a window and all within it. What Qt makes inside a combo box, a scroll area or a
// tab bar (scroll buttons, pop-ups) is Qt's, not the program's.
void walk(QObject *object, const QString &place, QMap<QString, QString> &texts)
{
    collect(object, place, texts);
    if (qobject_cast<QComboBox *>(object) || qobject_cast<QAbstractScrollArea *>(object) || qobject_cast<QTabBar *>(object)
        || qobject_cast<QLineEdit *>(object))
        return;
    QMap<QString, int> seen;
    for (QObject *child : object->children()) {
        if (!child->isWidgetType() && !qobject_cast<QAction *>(child))
            continue;
        if (child->isWidgetType() && static_cast<QWidget *>(child)->isWindow() && !qobject_cast<QMenu *>(child))
            continue; // a window of its own is walked as such; a menu belongs to its bar
        QString name = child->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(child->metaObject()->className());
        const int n = seen[name]++;
        walk(child, place + QLatin1Char('/') + name + (n ? QStringLiteral("#%1").arg(n) : QString()), texts);
    }
}

} // namespace

QList<TsMessage> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return {};
    }
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TsMessage m;
            m.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    m.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.type = xml.attributes().value(QLatin1String("type")).toString();
                    m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1: %2 at line %3").arg(path, xml.errorString()).arg(xml.lineNumber());
        return {};
    }
    return messages;
}

QString tsFile(const QString &language)
{
    return kSourceDir + QStringLiteral("/i18n/punchwell_%1.ts").arg(language);
}

QList<TsMessage> markedInSources(QString *error)
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("marked_de.ts"));
    // The options of the build's update_translations target (src/app/CMakeLists.txt).
    const QString src = kSourceDir + QStringLiteral("/src");
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(LUPDATE), QStringLiteral("-no-obsolete -locations none -source-language en -extensions cpp,h")
                                               .split(QLatin1Char(' '))
                                               << QStringLiteral("-I") << src << src << QStringLiteral("-ts") << ts);
    if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit || lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: %1").arg(QString::fromLocal8Bit(lupdate.readAll()));
        return {};
    }
    return readTs(ts, error);
}

QString placeholderFault(const QString &source, const QString &translation)
{
    const QStringList wanted = placeholders(source), given = placeholders(translation);
    if (wanted != given)
        return QStringLiteral("placeholders %1 instead of %2")
            .arg(given.join(QLatin1Char(' ')), wanted.join(QLatin1Char(' ')));
    const qsizetype sourceKeys = source.count(QLatin1Char('&')), keys = translation.count(QLatin1Char('&'));
    if (keys > 1)
        return QStringLiteral("%1 shortcuts (&)").arg(keys);
    if (sourceKeys > 0 && keys == 0)
        return QStringLiteral("no shortcut (&)");
    for (const QString &key : {QStringLiteral("F1"), QStringLiteral("F2")})
        if (source.contains(key) && !translation.contains(key))
            return QStringLiteral("no %1").arg(key);
    return {};
}

QMap<QString, QString> shownTexts()
{
    QMap<QString, QString> texts;
    {
        TestApp app;
        app.clock.set(2026, 12, 7, 10, 42, 17);
        app.exec(QStringLiteral("UPDATE datalist SET epass = 'boss', Ewage = '25' WHERE Ename = 'Manager'"));
        app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 08:00:00"), QStringLiteral("Clocked In"),
                     QStringLiteral("Payroll"));
        app.addEntry(QStringLiteral("Manager"), QStringLiteral("2026-12-07 10:15:00"), QStringLiteral("Clocked Out"));
        walk(app.logon(), QStringLiteral("frmlogon"), texts);
        QWidget *m = app.managerLogOn();
        clickLabel(m, "Label8"); // the grid of the employee shown
        walk(m, QStringLiteral("frmmain"), texts);
        click(m, "clockin");
        walk(app.window("frmsub"), QStringLiteral("frmsub"), texts);
        // The Management tab's dialogs, each opened by its button.
        for (const auto &[button, window] : {std::pair{"Command2", "frmprop"}, {"Command5", "frmadd"}, {"ChgPass", "frmpass"},
                                             {"cmdwhosin", "frmwhosin"}, {"cmdhistory", "frmhistory"}}) {
            click(m, button);
            walk(app.window(window), QString::fromLatin1(window), texts);
        }
    }
    settle();
    {
        // A company with no settings yet starts with the first-run window.
        TestApp firstRun{QString()};
        firstRun.logon();
        walk(firstRun.window("frmstartup"), QStringLiteral("frmstartup"), texts);
    }
    settle();
    return texts;
}

bool isData(const QString &place, const QString &text)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!letter.match(text).hasMatch() || text == QLatin1String("Punchwell"))
        return true;
    // Labels that show a name, the clock, a task, hours or wages.
    static const QStringList dataLabels{
        QStringLiteral("nameemp"),   QStringLiteral("lbldate"),   QStringLiteral("lbltime"),
        QStringLiteral("company"),   QStringLiteral("Label5"),    QStringLiteral("currhours"),
        QStringLiteral("currmoney"), QStringLiteral("manehours"), QStringLiteral("manemoney")};
    const QString last = place.section(QLatin1Char('/'), -1);
    return last.endsWith(QLatin1String(":text")) && dataLabels.contains(last.section(QLatin1Char(':'), 0, 0));
}

} // namespace pw::test
