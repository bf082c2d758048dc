// Writes the delivered company database to the path given.
#include "db/database.h"
#include "messages/errortext.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: punchwell_mkdb PATH\n");
        return 2;
    }
    const pw::DbError e = pw::Database::createDelivered(QString::fromLocal8Bit(argv[1]));
    if (e) {
        std::fprintf(stderr, "punchwell_mkdb: %s\n", qPrintable(pw::ErrorText::describe(e)));
        return 1;
    }
    return 0;
}
