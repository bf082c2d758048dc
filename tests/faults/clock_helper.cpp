// A second process on the company database, for the crash and two-copies tests.
//   clock_helper clock FILE NAME   clocks NAME in and out for ever, printing each stored event
//   clock_helper hold FILE NAME    holds a write transaction with one clock-in in it until told
//                                  "commit" (or "rollback") on its input
#include "domain/clocking.h"
#include "db/database.h"
#include "db/logtable.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: clock_helper clock|hold FILE NAME\n");
        return 2;
    }
    const QString name = QString::fromUtf8(argv[3]);
    pw::Database db(QString::fromLocal8Bit(argv[2]));
    if (pw::DbError e = db.open()) {
        std::fprintf(stderr, "open: %s\n", qPrintable(e.description));
        return 1;
    }
    const auto now = [] { return *pw::LocalDateTime::fromQt(QDateTime::currentDateTime()); };

    if (std::strcmp(argv[1], "hold") == 0) {
        pw::Database::Transaction t(db);
        if (!t.ok() || pw::LogTable(db, name).append(name, now(), pw::kClockedIn, QStringLiteral("held")))
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        std::string line;
        std::getline(std::cin, line);
        if (line == "commit") {
            if (t.commit())
                return 1;
            std::printf("committed\n");
        }
        std::fflush(stdout);
        return 0;
    }

    // Each event is printed only once it is committed: the test holds us to every printed line.
    std::printf("ready\n");
    std::fflush(stdout);
    for (long n = 0;; ++n) {
        pw::LogTable log(db, name);
        auto last = log.last();
        if (!last)
            return 1;
        const bool in = !last->has_value() || (*last)->status() == pw::kClockedOut;
        const pw::LocalDateTime at = now();
        const pw::clocking::Result r = in ? pw::clocking::clockIn(db, name, name, at, QStringLiteral(" "))
                                          : pw::clocking::clockOut(db, name, name, at);
        if (r.error || r.outcome != pw::clocking::Outcome::Stored) {
            std::fprintf(stderr, "clock: %s\n", qPrintable(r.error.description));
            return 1;
        }
        auto stored = log.last();
        if (!stored || !stored->has_value())
            return 1;
        std::printf("stored %lld %s %s\n", (*stored)->rowid, qPrintable(at.toStored()), in ? "in" : "out");
        std::fflush(stdout);
    }
}
