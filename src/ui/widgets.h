#pragma once

#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <type_traits>

namespace pw {

// Gives a control its outward name (what tests, accessibility tools and scripts find it by) and,
// when one is given, the name a screen reader says.
template <typename W>
W *named(W *widget, const char *objectName, const QString &accessibleName = {})
{
    widget->setObjectName(QLatin1String(objectName));
    if constexpr (std::is_base_of_v<QWidget, W>)
        if (!accessibleName.isEmpty())
            widget->setAccessibleName(accessibleName);
    return widget;
}

// A push button with its outward name, caption and tool-tip.
inline QPushButton *makeButton(QWidget *parent, const char *objectName, const QString &caption,
                               const QString &toolTip = {})
{
    auto *b = named(new QPushButton(caption, parent), objectName);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

// Locks a box against typing, or opens it again. A locked box keeps its text readable and
// selectable, and looks locked: it lies on the window's background, not on the white of a box that
// takes typing.
inline void setLocked(QLineEdit *box, bool locked)
{
    box->setReadOnly(locked);
    QPalette palette; // nothing of its own: the box follows its window again
    if (locked) {
        palette = box->palette();
        palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
    }
    box->setPalette(palette);
}

// The fixed-size windows of the program: titled "Punchwell" unless told otherwise, no help button.
inline void setUpDialogWindow(QWidget *dialog, const char *objectName, const QString &title = QStringLiteral("Punchwell"))
{
    dialog->setObjectName(QLatin1String(objectName));
    dialog->setWindowTitle(title);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

} // namespace pw
