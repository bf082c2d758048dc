#pragma once

#include "platform/lineprinter.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pw::test {

// One printed item: text at a character column, or (column 0) right after the item before it.
struct PrintedItem {
    int column = 0;
    QString text;
    bool underlined = false;
    friend bool operator==(const PrintedItem &, const PrintedItem &) = default;
};
using PrintedLine = QList<PrintedItem>;

// A line as a test reads it: "{5}" before an item printed at column 5, "_" around underlined text,
// continued items appended as they are. "{5}_Clock In_{40}_Clock Out_" is a heading row.
QString describe(const PrintedLine &line);

struct PrintJob {
    QString name;
    QString file;     // the PDF file's path, empty for the default printer
    QList<QList<PrintedLine>> pages;
    bool sent = false;   // endDocument() ran and succeeded
    bool aborted = false;

    // Every page's lines, described, page after page.
    QStringList lines() const;
};

// Printers that keep every job as pages of lines. The default printer can be missing, or fail
// when a job is sent; a page holds linesPerPage lines.
class RecordingPrinterFactory : public PrinterFactory {
public:
    std::unique_ptr<LinePrinter> defaultPrinter(const QString &jobName, QString *whyNot) override;
    std::unique_ptr<LinePrinter> pdfFile(const QString &path, const QString &jobName) override;

    bool hasDefault = true;
    bool failing = false;     // jobs on the default printer fail when they are sent
    int linesPerPage = 60;

    // Jobs in the order they were begun; those of the default printer and of PDF files.
    QList<PrintJob> jobs;
    QList<PrintJob> printed() const; // sent to the default printer
    QList<PrintJob> saved() const;   // written as PDF files
    void clear() { jobs.clear(); }
};

} // namespace pw::test
