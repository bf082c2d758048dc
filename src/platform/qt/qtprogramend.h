#pragma once

#include "platform/programend.h"

namespace pw {

// Leaves the event loop.
class QtProgramEnd : public ProgramEnd {
public:
    void end(int exitCode = 0) override;
    bool ended() const override { return m_ended; }
    int exitCode() const { return m_code; }

private:
    bool m_ended = false;
    int m_code = 0;
};

} // namespace pw
