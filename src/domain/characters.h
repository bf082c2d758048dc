#pragma once

#include <QString>

namespace pw {

// How many characters a person sees in a text: user-perceived characters (grapheme clusters), so an
// emoji, a flag or a letter with its accent counts once, however many code units it takes.
// Names and tasks are measured the same way.
qsizetype characters(const QString &text);

} // namespace pw
