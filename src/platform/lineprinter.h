#pragma once

#include <QString>

#include <memory>

namespace pw {

// A printer that prints lines of text at character columns, as time cards are laid out. A column
// is the average character width of the printer's font, counted from 1 at the left margin. The
// job opens with the first thing printed; a line that does not fit on the page starts a new one.
class LinePrinter {
public:
    virtual ~LinePrinter() = default;

    // Underlines what is printed from now on, or stops underlining it.
    virtual void setUnderline(bool on) = 0;
    // Prints text on the current line at a character column (1 = the left margin). When the line
    // already reaches past that column, the text follows what is there after one blank.
    virtual void printAt(int column, const QString &text) = 0;
    // Prints text right after what the current line holds already.
    virtual void print(const QString &text) = 0;
    // Ends the current line; a line with nothing on it is an empty line.
    virtual void endLine() = 0;
    // Ends the page; whatever is printed next starts a new one.
    virtual void endPage() = 0;
    // Ends the document and sends the job. False when it could not be printed; errorString() then
    // says why, in plain words.
    virtual bool endDocument() = 0;
    // Drops the job: nothing of it is sent.
    virtual void abort() = 0;
    virtual QString errorString() const = 0;
};

// Where print jobs go. Windows reach it through AppContext::printers.
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;

    // A job for the system's default printer, named jobName. Nothing when the system has no default
    // printer, or it cannot take jobs now; whyNot then says which, in plain words.
    virtual std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) = 0;
    // A job written to a PDF file at path (replacing a file of that name).
    virtual std::unique_ptr<LinePrinter> pdfFile(const QString &path, const QString &jobName) = 0;
};

// The real printers: QPrinter on the system's default printer (CUPS on Linux), and QPrinter's PDF
// output. Text is printed in the printer's default font (an empty face name, no size set: QFont()),
// made smaller where needed so that a time card's widest line (kColumnsAcross columns) fits the
// page; a column is that font's average character width. The text goes to QPainter as runs of
// glyphs of the font's first face, placed by its advances and kerning; text that needs shaping or
// a fallback face goes through QPainter::drawText.
class QtPrinterFactory : public PrinterFactory {
public:
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) override;
    std::unique_ptr<LinePrinter> pdfFile(const QString &path, const QString &jobName) override;

    // How many character columns a line must hold across the page.
    static constexpr int kColumnsAcross = 127;
};

} // namespace pw
