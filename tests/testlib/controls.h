#pragma once

// Reaching windows and their controls the way a user or an accessibility tool does: by the
// objectName every window and control carries, never through a window's members.

#include "domain/recordviews.h"

#include <QObject>
#include <QString>

class QWidget;

namespace pw::test {

// The one descendant of root with that objectName and of that type. A control that is missing,
// of another type or there twice ends the test program with a message naming it and its window,
// so a lost objectName fails loudly.
QObject *namedChild(QObject *root, const char *objectName, const QMetaObject &type);

template <typename T>
T *child(QObject *root, const char *objectName)
{
    return static_cast<T *>(namedChild(root, objectName, T::staticMetaObject));
}

// The top-level window (hidden ones and dialogs included) of that objectName, or nullptr when none
// is loaded. A window that was closed a moment ago may still be there until queued deletes run
// (settle()); two of the same name end the test program.
QWidget *topLevel(const char *objectName);

// Acting on a control of a window as a user does.
void click(QObject *window, const char *button);                           // a button or check box
void trigger(QObject *window, const char *action);                         // a menu item
void clickLabel(QObject *window, const char *label);                       // the mouse on a label
void typeInto(QObject *window, const char *box, const QString &text);      // replaces what a box holds
void tick(QObject *window, const char *checkBox, bool on);                 // clicks it if it is not so
void browse(QObject *window, const char *browser, const char *button);     // "first", "previous", "next", "last"

// What a control shows: the text of a label, box, button or combo box, the title of a frame, the
// caption of a browser.
QString textOf(QObject *window, const char *name);
// Whether a control is hidden (by itself, not by a hidden parent).
bool isHidden(QObject *window, const char *name);
// The record set behind a browser ("database", "mandata").
RecordView &records(QObject *window, const char *browser);

} // namespace pw::test
