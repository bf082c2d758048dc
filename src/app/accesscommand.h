#pragma once

#include <QString>

class QTextStream;

namespace pw {

// `punchwell --copy-company FROM TO`: copies the company at FROM into TO, without windows, and
// returns the exit code. FROM is an Access-format file (read through the Jet reader and brought
// over as Punchwell keeps a company), a Punchwell file or a postgresql:// URL; TO is a new file, a
// Punchwell file or server database holding no company, or a postgresql:// URL. Relative paths are
// taken from the current folder. TO is written in one transaction and compared with FROM before
// anything is reported; a new file appears whole or not at all. Success is told on `out`, a
// failure in one line on `err`.
int copyCompanyCommand(const QString &from, const QString &to, QTextStream &out, QTextStream &err);

} // namespace pw
