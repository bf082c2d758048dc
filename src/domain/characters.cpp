#include "domain/characters.h"

#include <QTextBoundaryFinder>

namespace pw {

qsizetype characters(const QString &text)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (graphemes.toNextBoundary() >= 0)
        ++count;
    return count;
}

} // namespace pw
