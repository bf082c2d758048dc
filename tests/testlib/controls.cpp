#include "testlib/controls.h"

#include "domain/recordviews.h"
#include "ui/recordbrowser.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace pw::test {

namespace {

// "frmmain" for a window, "frmmain/mandata" for a control inside one.
QByteArray whereIs(QObject *object)
{
    QByteArray path = object->objectName().toUtf8();
    if (path.isEmpty())
        path = object->metaObject()->className();
    if (auto *w = qobject_cast<QWidget *>(object); w && !w->isWindow())
        return whereIs(w->window()) + '/' + path;
    return path;
}

} // namespace

QObject *namedChild(QObject *root, const char *objectName, const QMetaObject &type)
{
    if (!root)
        qFatal("looking for \"%s\" in a window that is not loaded", objectName);
    const QList<QObject *> found = root->findChildren<QObject *>(QString::fromUtf8(objectName));
    if (found.isEmpty())
        qFatal("\"%s\" has no control named \"%s\"", whereIs(root).constData(), objectName);
    if (found.size() > 1)
        qFatal("\"%s\" has %d controls named \"%s\"", whereIs(root).constData(), int(found.size()), objectName);
    QObject *object = found.first();
    if (!type.cast(object))
        qFatal("\"%s\" in \"%s\" is a %s, not a %s", objectName, whereIs(root).constData(),
               object->metaObject()->className(), type.className());
    return object;
}

QWidget *topLevel(const char *objectName)
{
    QWidget *match = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QLatin1String(objectName))
            continue;
        if (match)
            qFatal("two top-level windows are named \"%s\"", objectName);
        match = w;
    }
    return match;
}

void click(QObject *window, const char *button)
{
    child<QAbstractButton>(window, button)->click();
}

void trigger(QObject *window, const char *action)
{
    child<QAction>(window, action)->trigger();
}

void clickLabel(QObject *window, const char *label)
{
    QTest::mouseClick(child<QLabel>(window, label), Qt::LeftButton);
}

void typeInto(QObject *window, const char *box, const QString &text)
{
    QWidget *w = child<QWidget>(window, box);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->isEditable())
        combo->setEditText(text);
    else if (auto *notes = qobject_cast<QPlainTextEdit *>(w))
        notes->setPlainText(text);
    else
        qFatal("\"%s\" in \"%s\" is a %s, which takes no typing", box, whereIs(window).constData(),
               w->metaObject()->className());
}

void tick(QObject *window, const char *checkBox, bool on)
{
    auto *box = child<QAbstractButton>(window, checkBox);
    if (!box->isCheckable())
        qFatal("\"%s\" in \"%s\" cannot be ticked", checkBox, whereIs(window).constData());
    if (box->isChecked() != on)
        box->click();
}

void browse(QObject *window, const char *browser, const char *button)
{
    child<QAbstractButton>(child<RecordBrowser>(window, browser), button)->click();
}

QString textOf(QObject *window, const char *name)
{
    QWidget *w = child<QWidget>(window, name);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *notes = qobject_cast<QPlainTextEdit *>(w))
        return notes->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return frame->title();
    if (auto *browser = qobject_cast<RecordBrowser *>(w))
        return child<QLabel>(browser, "caption")->text();
    qFatal("\"%s\" in \"%s\" is a %s, which shows no text", name, whereIs(window).constData(), w->metaObject()->className());
}

bool isHidden(QObject *window, const char *name)
{
    return child<QWidget>(window, name)->isHidden();
}

RecordView &records(QObject *window, const char *browser)
{
    return child<RecordBrowser>(window, browser)->records();
}

} // namespace pw::test
