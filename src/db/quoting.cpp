#include "db/quoting.h"

namespace pw {

QString quoteIdentifier(const QString &name)
{
    QString out;
    out.reserve(name.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : name) {
        if (c == QLatin1Char('"'))
            out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

} // namespace pw
