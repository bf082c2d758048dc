#include "testlib/recordingprinter.h"

namespace pw::test {

QString describe(const PrintedLine &line)
{
    QString out;
    for (const PrintedItem &item : line) {
        if (item.column > 0)
            out += QStringLiteral("{%1}").arg(item.column);
        out += item.underlined ? QLatin1Char('_') + item.text + QLatin1Char('_') : item.text;
    }
    return out;
}

QStringList PrintJob::lines() const
{
    QStringList out;
    for (const auto &page : pages)
        for (const PrintedLine &line : page)
            out << describe(line);
    return out;
}

namespace {

// Records into a job kept by the factory (by index: the factory's list may grow meanwhile).
class RecordingPrinter : public LinePrinter {
public:
    RecordingPrinter(RecordingPrinterFactory &factory, qsizetype job, bool failing)
        : m_factory(factory), m_job(job), m_failing(failing)
    {
    }

    void setUnderline(bool on) override { m_underline = on; }
    void printAt(int column, const QString &text) override { item(column, text); }
    void print(const QString &text) override { item(0, text); }

    void endLine() override
    {
        openLine();
        m_open = false;
    }

    void endPage() override
    {
        if (m_open)
            endLine();
        if (!job().pages.isEmpty())
            m_pageEnded = true;
    }

    bool endDocument() override
    {
        if (m_open)
            endLine();
        if (m_failing) {
            m_error = QStringLiteral("the printer \"Recorder\" reported an error while the job was sent");
            return false;
        }
        job().sent = true;
        return true;
    }

    void abort() override { job().aborted = true; }
    QString errorString() const override { return m_error; }

private:
    PrintJob &job() { return m_factory.jobs[m_job]; }

    void openLine()
    {
        if (m_open)
            return;
        auto &pages = job().pages;
        if (pages.isEmpty() || m_pageEnded || pages.last().size() >= m_factory.linesPerPage) {
            pages.append(QList<PrintedLine>());
            m_pageEnded = false;
        }
        pages.last().append(PrintedLine());
        m_open = true;
    }

    void item(int column, const QString &text)
    {
        openLine();
        job().pages.last().last().append({column, text, m_underline});
    }

    RecordingPrinterFactory &m_factory;
    qsizetype m_job;
    bool m_failing;
    bool m_underline = false;
    bool m_open = false;
    bool m_pageEnded = false;
    QString m_error;
};

} // namespace

std::unique_ptr<LinePrinter> RecordingPrinterFactory::defaultPrinter(const QString &jobName, QString *whyNot)
{
    if (!hasDefault) {
        if (whyNot)
            *whyNot = QStringLiteral("this computer has no default printer");
        return nullptr;
    }
    PrintJob job;
    job.name = jobName;
    jobs.append(job);
    return std::make_unique<RecordingPrinter>(*this, jobs.size() - 1, failing);
}

std::unique_ptr<LinePrinter> RecordingPrinterFactory::pdfFile(const QString &path, const QString &jobName)
{
    PrintJob job;
    job.name = jobName;
    job.file = path;
    jobs.append(job);
    return std::make_unique<RecordingPrinter>(*this, jobs.size() - 1, false);
}

QList<PrintJob> RecordingPrinterFactory::printed() const
{
    QList<PrintJob> out;
    for (const PrintJob &j : jobs)
        if (j.file.isEmpty() && j.sent)
            out << j;
    return out;
}

QList<PrintJob> RecordingPrinterFactory::saved() const
{
    QList<PrintJob> out;
    for (const PrintJob &j : jobs)
        if (!j.file.isEmpty() && j.sent)
            out << j;
    return out;
}

} // namespace pw::test
