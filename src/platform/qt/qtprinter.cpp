#include "platform/qt/qtprinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>
#include <QVarLengthArray>

#include <array>
#include <cmath>
#include <optional>

namespace pw {

namespace {

// Lines of text on a QPrinter. The painter is begun by the first thing printed, so a job that
// prints nothing sends nothing.
//
// A card is thousands of short texts at known places, and laying each out with QPainter::drawText
// (itemizing, shaping, measuring again) cost more than everything else of a card together. So
// each character of the alphabets that need no shaping (Latin, Greek, Cyrillic) is looked up once
// in the font's first face, a text's advances come from that face with its kerning, and the texts
// of a page are gathered into one run of glyphs at positions in whole device pixels (which also
// keeps the numbers in the PDF short). Text that needs more (another script, combining marks, a
// character the face lacks) is drawn by drawText with the whole font, fallback faces and shaping
// included. Underlined text is a run of its own, so the line under it spans that text only.
class QtLinePrinter : public LinePrinter {
public:
    QtLinePrinter(std::unique_ptr<QPrinter> printer, QString where, bool isFile)
        : m_printer(std::move(printer)), m_where(std::move(where)), m_isFile(isFile)
    {
    }

    ~QtLinePrinter() override
    {
        if (m_painter.isActive())
            abort();
    }

    void setUnderline(bool on) override
    {
        if (on == m_underline)
            return;
        flushRun();
        m_underline = on;
        if (m_painter.isActive()) {
            m_font.setUnderline(on);
            m_painter.setFont(m_font);
        }
    }

    void printAt(int column, const QString &text) override
    {
        if (!openLine())
            return;
        const qreal target = qMax(0, column - 1) * m_column;
        m_x = target >= m_x ? target : m_x + m_blank;
        draw(text);
    }

    void print(const QString &text) override
    {
        if (!openLine())
            return;
        draw(text);
    }

    void endLine() override
    {
        if (!openLine())
            return;
        m_y += m_lineHeight;
        m_lineOpen = false;
    }

    void endPage() override
    {
        if (m_lineOpen)
            endLine();
        if (m_painter.isActive())
            m_pageEnded = true;
    }

    bool endDocument() override
    {
        if (m_lineOpen)
            endLine();
        flushRun();
        if (!m_failed && m_painter.isActive()) {
            const bool ended = m_painter.end();
            const QPrinter::PrinterState state = m_printer->printerState();
            if (!ended || state == QPrinter::Error || state == QPrinter::Aborted)
                fail(m_isFile ? QtPrinterFactory::tr("%1 could not be written completely").arg(m_where)
                              : QtPrinterFactory::tr("%1 reported an error while the job was sent").arg(m_where));
        }
        return !m_failed;
    }

    void abort() override
    {
        m_runGlyphs.clear();
        m_runPositions.clear();
        if (m_painter.isActive()) {
            m_printer->abort();
            m_painter.end();
        }
    }

    QString errorString() const override { return m_error; }

private:
    // What the fast path knows of one character: its glyph in the first face (0: none).
    struct Glyph {
        quint32 index = 0;
        bool known = false;
    };
    // Characters below the Hebrew block need no shaping beyond one glyph each.
    static constexpr char16_t kSimpleEnd = 0x0590;

    void fail(const QString &why)
    {
        if (!m_failed) {
            m_failed = true;
            m_error = why;
        }
    }

    bool start()
    {
        if (m_failed)
            return false;
        if (m_painter.isActive())
            return true;
        if (!m_painter.begin(m_printer.get())) {
            fail(m_isFile ? QtPrinterFactory::tr("%1 cannot be written (is the folder there, and may it be written to?)")
                                .arg(m_where)
                          : QtPrinterFactory::tr("%1 did not accept the job").arg(m_where));
            return false;
        }
        const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
        m_width = page.width();
        m_height = page.height();
        // The printer's default face and size, made smaller when a card's widest line would not fit.
        m_font = QFont();
        QFontMetricsF metrics(m_font, m_printer.get());
        const qreal needed = metrics.averageCharWidth() * QtPrinterFactory::kColumnsAcross;
        if (needed > m_width && needed > 0) {
            m_font.setPointSizeF(m_font.pointSizeF() * m_width / needed);
            metrics = QFontMetricsF(m_font, m_printer.get());
        }
        m_metrics.emplace(metrics);
        m_column = metrics.averageCharWidth();
        m_blank = metrics.horizontalAdvance(QLatin1Char(' '));
        m_lineHeight = metrics.lineSpacing();
        m_ascent = metrics.ascent();
        m_font.setUnderline(m_underline);
        m_painter.setFont(m_font);
        m_painter.setPen(Qt::black);
        // The font's first face at the printer's resolution, as QPainter would pick it.
        m_face = QRawFont::fromFont(QFont(m_font, m_printer.get()));
        m_glyphs.fill(Glyph());
        return true;
    }

    // Starts a line where the last one ended, on a new page when the page was ended or is full.
    bool openLine()
    {
        if (m_lineOpen)
            return true;
        if (!start())
            return false;
        if (m_pageEnded || (m_y > 0 && m_y + m_lineHeight > m_height)) {
            flushRun();
            if (!m_printer->newPage()) {
                fail(QtPrinterFactory::tr("%1 could not start a new page").arg(m_where));
                return false;
            }
            m_y = 0;
            m_pageEnded = false;
        }
        m_x = 0;
        m_lineOpen = true;
        return true;
    }

    const Glyph &glyphOf(char16_t c)
    {
        Glyph &g = m_glyphs[c];
        if (!g.known) {
            g.known = true;
            const QChar ch(c);
            quint32 index = 0;
            int count = 1;
            if (m_face.isValid() && ch.isPrint() && !ch.isMark() && m_face.glyphIndexesForChars(&ch, 1, &index, &count)
                && count == 1)
                g.index = index;
        }
        return g;
    }

    // Whether every character of text has a glyph of its own in the first face.
    bool simple(const QString &text)
    {
        for (const QChar ch : text) {
            if (ch.unicode() >= kSimpleEnd || glyphOf(ch.unicode()).index == 0)
                return false;
        }
        return true;
    }

    void draw(const QString &text)
    {
        if (text.isEmpty())
            return;
        if (!simple(text)) {
            flushRun();
            m_painter.drawText(QPointF(m_x, m_y + m_ascent), text);
            m_x += m_metrics->horizontalAdvance(text);
            return;
        }
        const qreal baseline = std::round(m_y + m_ascent);
        const qsizetype first = m_runGlyphs.size();
        for (const QChar ch : text)
            m_runGlyphs.append(m_glyphs[ch.unicode()].index);
        QVarLengthArray<QPointF, 64> advances(text.size());
        m_face.advancesForGlyphIndexes(m_runGlyphs.constData() + first, advances.data(), int(text.size()),
                                       QRawFont::KernedAdvances);
        qreal x = m_x;
        for (const QPointF &advance : advances) {
            m_runPositions.append(QPointF(std::round(x), baseline));
            x += advance.x();
        }
        m_x = x;
        if (m_underline)
            flushRun();
    }

    // Draws the glyphs gathered so far; before a page ends, before underlining changes, and before
    // drawText draws.
    void flushRun()
    {
        if (m_runGlyphs.isEmpty())
            return;
        // QPainter starts an underline at the run's origin, so the origin is the first glyph's place.
        const QPointF origin(m_runPositions.first().x(), 0);
        for (QPointF &p : m_runPositions)
            p -= origin;
        QGlyphRun run;
        run.setRawFont(m_face);
        run.setGlyphIndexes(m_runGlyphs);
        run.setPositions(m_runPositions);
        run.setUnderline(m_underline);
        m_painter.drawGlyphRun(origin, run);
        m_runGlyphs.clear();
        m_runPositions.clear();
    }

    std::unique_ptr<QPrinter> m_printer;
    QString m_where;
    bool m_isFile;
    QPainter m_painter;
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics;
    QRawFont m_face;
    std::array<Glyph, kSimpleEnd> m_glyphs;
    QList<quint32> m_runGlyphs;
    QList<QPointF> m_runPositions;
    bool m_underline = false;
    bool m_failed = false;
    bool m_lineOpen = false;
    bool m_pageEnded = false;
    QString m_error;
    qreal m_width = 0, m_height = 0;
    qreal m_column = 0, m_blank = 0, m_lineHeight = 0, m_ascent = 0;
    qreal m_x = 0, m_y = 0;
};

// Keeps the paper clear of the card for at least kMarginMm at every edge: a printer cannot print up
// to the edge and clips what lies there. The page's margins are a millimetre wider, as a glyph's
// ink may reach a little past the place it is drawn at. A printer that needs more keeps its own.
void keepClearOfEdges(QPrinter &printer)
{
    constexpr qreal least = QtPrinterFactory::kMarginMm + 1.0;
    const QMarginsF own = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(qMax(own.left(), least), qMax(own.top(), least), qMax(own.right(), least),
                                     qMax(own.bottom(), least)),
                           QPageLayout::Millimeter);
}

} // namespace

std::unique_ptr<LinePrinter> QtPrinterFactory::defaultPrinter(const QString &jobName, QString *whyNot)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (whyNot)
            *whyNot = tr("this computer has no default printer");
        return nullptr;
    }
    const QString where = tr("the printer \"%1\"").arg(info.printerName());
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted) {
        if (whyNot)
            *whyNot = tr("%1 is stopped or out of order").arg(where);
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(jobName);
    keepClearOfEdges(*printer);
    return std::make_unique<QtLinePrinter>(std::move(printer), where, false);
}

std::unique_ptr<LinePrinter> QtPrinterFactory::pdfFile(const QString &path, const QString &jobName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setDocName(jobName);
    printer->setCreator(QStringLiteral("Punchwell"));
    keepClearOfEdges(*printer);
    return std::make_unique<QtLinePrinter>(std::move(printer), tr("the file \"%1\"").arg(path), true);
}

} // namespace pw
