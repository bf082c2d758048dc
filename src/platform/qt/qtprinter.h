#pragma once

#include "platform/lineprinter.h"

namespace pw {

// The real printers: QPrinter on the system's default printer (CUPS on Linux), and QPrinter's PDF
// output. Text is drawn with QPainter in the printer's default font, made smaller where needed so
// that a time card's widest line fits the page.
class QtPrinterFactory : public PrinterFactory {
public:
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) override;
    std::unique_ptr<LinePrinter> pdfFile(const QString &path, const QString &jobName) override;

    // How many character columns a line must hold across the page.
    static constexpr int kColumnsAcross = 127;
};

} // namespace pw
