#pragma once

#include "db/dberror.h"

#include <QFrame>
#include <QPointer>

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace pw {

class RecordView;

// The visible record-set holder: a caption between first/previous and next/last buttons, and the
// controls bound to fields of the current row. Bound controls show the current row; edits typed
// into an editable one are stored, through the view, when it leaves the row or updateRecord() runs.
class RecordBrowser : public QFrame {
    Q_OBJECT

public:
    // How a field is shown: as stored, as a date-time in the system's format, or as a status word
    // in the user's language (stored in English).
    enum class Kind { Text, DateTime, Status };

    RecordBrowser(RecordView &records, const QString &caption, QWidget *parent = nullptr);

    RecordView &records() const { return m_records; }

    void bind(const QString &field, QLineEdit *edit, Kind kind = Kind::Text);
    void bind(const QString &field, QLabel *label, Kind kind = Kind::Text);
    void bind(const QString &field, QPlainTextEdit *edit);

    // Stores what the user typed into the bound controls of the current row, all or nothing. A date
    // and time that does not read as one is refused with ErrRefusedValue and nothing is stored.
    DbError updateRecord();
    // Shows the current row in the bound controls again, dropping unsaved edits.
    void reload();


Q_SIGNALS:
    // An edit could not be stored when the view left its row, or a browse button failed.
    void failed(const pw::DbError &error);

private:
    struct Binding {
        QString field;
        Kind kind;
        QPointer<QWidget> widget;
        QString shown; // the text the control was last given
    };

    enum class Move { First, Previous, Next, Last };
    void browse(Move move);
    void showBinding(Binding &b);
    static QString textOf(const Binding &b);
    static void setTextOf(Binding &b, const QString &text);
    void onAboutToLeave();

    RecordView &m_records;
    QLabel *m_caption;
    QToolButton *m_first, *m_previous, *m_next, *m_last;
    std::vector<Binding> m_bindings;
};

} // namespace pw
