#pragma once

namespace pw {

class Windows;

// At start-up, before the company file is opened: removes what a conversion that was killed left
// beside the file and, when the file is an Access-format "Employee.mdb", offers to bring the
// company over into a new Punchwell file (the old one kept as "Employee (Access).mdb"), with a
// box for every outcome. Returns whether the start goes on; when it does not, the program has
// been ended in order and both files are as they were.
bool offerAccessConversion(Windows &windows);

} // namespace pw
