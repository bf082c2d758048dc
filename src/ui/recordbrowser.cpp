#include "ui/recordbrowser.h"

#include "domain/recordviews.h"
#include "platform/datetimecodec.h"
#include "platform/formats.h"
#include "ui/statustext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace pw {

namespace {

QToolButton *browseButton(QWidget *parent, const QString &name, const QString &text, const QString &accessible)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(accessible);
    b->setAccessibleName(accessible);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QString display(const QVariant &value, RecordBrowser::Kind kind)
{
    if (!value.isValid() || value.isNull())
        return {};
    const QString text = value.toString();
    if (kind == RecordBrowser::Kind::DateTime) {
        if (auto dt = LocalDateTime::fromStored(QStringView(text)))
            return formats::generalDate(*dt);
    }
    if (kind == RecordBrowser::Kind::Status)
        return shownStatus(text);
    return text;
}

} // namespace

RecordBrowser::RecordBrowser(RecordView &records, const QString &caption, QWidget *parent)
    : QFrame(parent), m_records(records)
{
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    m_first = browseButton(this, QStringLiteral("first"), QStringLiteral("|<"), tr("First record"));
    m_previous = browseButton(this, QStringLiteral("previous"), QStringLiteral("<"), tr("Previous record"));
    m_next = browseButton(this, QStringLiteral("next"), QStringLiteral(">"), tr("Next record"));
    m_last = browseButton(this, QStringLiteral("last"), QStringLiteral(">|"), tr("Last record"));
    m_caption = new QLabel(caption, this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setMinimumWidth(60);
    layout->addWidget(m_first);
    layout->addWidget(m_previous);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_next);
    layout->addWidget(m_last);
    setAccessibleName(caption.trimmed());

    connect(m_first, &QToolButton::clicked, this, [this] { browse(Move::First); });
    connect(m_previous, &QToolButton::clicked, this, [this] { browse(Move::Previous); });
    connect(m_next, &QToolButton::clicked, this, [this] { browse(Move::Next); });
    connect(m_last, &QToolButton::clicked, this, [this] { browse(Move::Last); });
    connect(&m_records, &RecordView::currentChanged, this, &RecordBrowser::reload);
    connect(&m_records, &RecordView::aboutToLeaveRow, this, &RecordBrowser::onAboutToLeave);
}

void RecordBrowser::bind(const QString &field, QLineEdit *edit, Kind kind)
{
    m_bindings.push_back({field, kind, edit, {}});
    showBinding(m_bindings.back());
}

void RecordBrowser::bind(const QString &field, QLabel *label, Kind kind)
{
    m_bindings.push_back({field, kind, label, {}});
    showBinding(m_bindings.back());
}

void RecordBrowser::bind(const QString &field, QPlainTextEdit *edit)
{
    m_bindings.push_back({field, Kind::Text, edit, {}});
    showBinding(m_bindings.back());
}

QString RecordBrowser::textOf(const Binding &b)
{
    if (auto *e = qobject_cast<QLineEdit *>(b.widget))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(b.widget))
        return l->text();
    if (auto *p = qobject_cast<QPlainTextEdit *>(b.widget))
        return p->toPlainText();
    return {};
}

void RecordBrowser::setTextOf(Binding &b, const QString &text)
{
    b.shown = text;
    if (auto *e = qobject_cast<QLineEdit *>(b.widget)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *l = qobject_cast<QLabel *>(b.widget)) {
        l->setText(text);
    } else if (auto *p = qobject_cast<QPlainTextEdit *>(b.widget)) {
        p->setPlainText(text);
    }
}

void RecordBrowser::showBinding(Binding &b)
{
    // A view that was never opened leaves the controls as they were made ("LastLogon").
    if (!m_records.isOpen())
        return;
    setTextOf(b, display(m_records.field(b.field), b.kind));
}

void RecordBrowser::reload()
{
    for (Binding &b : m_bindings)
        showBinding(b);
}

DbError RecordBrowser::updateRecord()
{
    if (!m_records.hasCurrent())
        return {};
    // Every edit is read first, then all are stored together: a failure leaves the row as it was,
    // not with some of the edits.
    RecordView::Edits changes;
    for (Binding &b : m_bindings) {
        if (!b.widget || qobject_cast<QLabel *>(b.widget))
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(b.widget); e && e->isReadOnly())
            continue;
        const QString text = textOf(b);
        if (text == b.shown)
            continue;
        changes.emplace_back(b.field, text);
    }
    return m_records.store(changes);
}

void RecordBrowser::onAboutToLeave()
{
    if (DbError e = updateRecord())
        Q_EMIT failed(e);
}

void RecordBrowser::browse(Move move)
{
    if (DbError e = updateRecord()) {
        Q_EMIT failed(e);
        return;
    }
    DbError e;
    switch (move) {
    case Move::First: e = m_records.moveFirst(); break;
    case Move::Last: e = m_records.moveLast(); break;
    case Move::Next:
        e = m_records.moveNext();
        // The buttons stop at the last row rather than leaving the view without one.
        if (!e && m_records.eof())
            e = m_records.moveLast();
        break;
    case Move::Previous:
        e = m_records.movePrevious();
        if (!e && m_records.bof())
            e = m_records.moveFirst();
        break;
    }
    if (e)
        Q_EMIT failed(e);
}

} // namespace pw
