// Writes the program's icon, drawn by the same code as the windows', as a PNG file.
#include "ui/artwork.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: punchwell_mkicon SIZE PATH\n");
        return 2;
    }
    const int size = QByteArray(argv[1]).toInt();
    if (size < 16 || !pw::artwork::iconPixmap(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "punchwell_mkicon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
