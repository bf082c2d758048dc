#pragma once

namespace pw {

class Dialogs;
class Clock;
class ProgramEnd;
class PrinterFactory;

// The seams a window may use, made once in main() (tests make the same with fakes).
struct AppContext {
    Dialogs *dialogs = nullptr;
    Clock *clock = nullptr;
    ProgramEnd *programEnd = nullptr;
    PrinterFactory *printers = nullptr;
};

} // namespace pw
