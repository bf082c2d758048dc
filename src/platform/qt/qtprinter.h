#pragma once

#include "platform/lineprinter.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace pw {

// The real printers: QPrinter on the system's default printer (CUPS on Linux), and QPrinter's PDF
// output, each keeping at least kMarginMm of the paper clear at every edge. Text is printed in the
// printer's default font (an empty face name, no size set: QFont()), made smaller where needed so
// that a time card's widest line (kColumnsAcross columns) fits between the margins; a column is
// that font's average character width. The text goes to QPainter as runs of glyphs of the font's
// first face, placed by its advances and kerning; text that needs shaping or a fallback face goes
// through QPainter::drawText.
class QtPrinterFactory : public PrinterFactory {
    Q_DECLARE_TR_FUNCTIONS(pw::QtPrinterFactory)

public:
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) override;
    std::unique_ptr<LinePrinter> pdfFile(const QString &path, const QString &jobName) override;

    // How many character columns a line must hold across the page.
    static constexpr int kColumnsAcross = 127;
    // The least room, in millimetres, between a card and every edge of the paper.
    static constexpr qreal kMarginMm = 10.0;
};

} // namespace pw
