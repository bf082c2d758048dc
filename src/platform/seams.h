#pragma once

namespace pw {

class Clock;
class Dialogs;
class PrinterFactory;
class ProgramEnd;

// The seams through which the program meets the user's boxes, the clock, the printers and its own
// end. The real ones are made once in main(); a test makes the same with fakes.
struct Seams {
    Dialogs &dialogs;
    Clock &clock;
    ProgramEnd &programEnd;
    PrinterFactory &printers;
};

} // namespace pw
