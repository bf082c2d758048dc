// A second process on the company database, for the crash, two-copies and concurrency tests. The
// company is at LOCATION: an SQLite file's path or a postgresql:// URI.
//   clock_helper clock LOCATION NAME         clocks NAME in and out for ever, printing each stored event
//   clock_helper clock LOCATION NAME COUNT   the same, COUNT events, then ends
//   clock_helper hold LOCATION NAME          holds a write transaction with one clock-in in it until
//                                            told "commit" (or "rollback") on its input
// A clock event refused because another workstation clocked the same employee in between (the
// status changed under it) is tried again, and in a counted run so is one that found the database
// in use longer than the program waits; any other failure ends the helper with exit code 1.
#include "domain/clocking.h"
#include "db/database.h"
#include "db/logtable.h"
#include "messages/errortext.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: clock_helper clock|hold LOCATION NAME [COUNT]\n");
        return 2;
    }
    const QString name = QString::fromUtf8(argv[3]);
    const long count = argc == 5 ? std::atol(argv[4]) : -1;
    const auto company = pw::Database::fromLocation(QString::fromLocal8Bit(argv[2]));
    pw::Database &db = *company;
    pw::DbError opened = db.open();
    // Eight workstations starting at once on one file may each find it in use for a moment.
    for (int attempt = 0; opened.number == pw::ErrInUse && count >= 0 && attempt < 20; ++attempt)
        opened = db.open();
    if (pw::DbError e = opened) {
        std::fprintf(stderr, "open: %s\n", qPrintable(pw::ErrorText::describe(e)));
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
    long inUse = 0;
    for (long n = 0; count < 0 || n < count;) {
        pw::LogTable log(db, name);
        auto last = log.last();
        if (!last && last.error().number == pw::ErrInUse && count >= 0) {
            ++inUse;
            continue;
        }
        if (!last) {
            std::fprintf(stderr, "read: %s\n", qPrintable(pw::ErrorText::describe(last.error())));
            return 1;
        }
        const bool in = !last->has_value() || (*last)->status() == pw::kClockedOut;
        const pw::LocalDateTime at = now();
        const pw::clocking::Result r = in ? pw::clocking::clockIn(db, name, name, at, QStringLiteral(" "))
                                          : pw::clocking::clockOut(db, name, name, at);
        // Another process clocked the same employee between the look and the write: look again.
        if (!r.error && (r.outcome == pw::clocking::Outcome::NotClockedOut || r.outcome == pw::clocking::Outcome::NotClockedIn))
            continue;
        // Held up longer than the program waits: what a user told "in use" does, try again.
        if (r.error.number == pw::ErrInUse && count >= 0) {
            ++inUse;
            continue;
        }
        if (r.error || r.outcome != pw::clocking::Outcome::Stored) {
            std::fprintf(stderr, "clock: %s\n", qPrintable(pw::ErrorText::describe(r.error)));
            return 1;
        }
        ++n;
        if (count >= 0) // counted runs are timed: no look back, no line per event
            continue;
        auto stored = log.last();
        if (!stored || !stored->has_value())
            return 1;
        std::printf("stored %lld %s %s\n", (*stored)->rowid, qPrintable(at.toStored()), in ? "in" : "out");
        std::fflush(stdout);
    }
    std::printf("done %ld, in use %ld\n", count, inUse);
    return 0;
}
