#pragma once

namespace pw {

// Ending the program. The real one leaves the event loop; the test one only records the wish.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitCode = 0) = 0;
    virtual bool ended() const = 0;
};

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
