#pragma once

namespace pw {

// Ending the program. The real one leaves the event loop; the test one only records the wish.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitCode = 0) = 0;
    virtual bool ended() const = 0;
};

} // namespace pw
