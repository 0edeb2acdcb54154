#pragma once

// Standard error as the command line writes it: every message passes
// through PrintableText, so that an argument holding a terminal's escape
// sequence is shown, not obeyed.

#include <ostream>
#include <streambuf>
#include <string>

namespace spln::cli {

// A stream buffer that collects each line and writes it to the target
// stream with its control characters escaped; a last line without its line
// feed goes at a flush or when the buffer goes.
class PrintableErrors : public std::streambuf {
public:
    explicit PrintableErrors(std::ostream& target) : m_target(target) {}
    ~PrintableErrors() override;
    PrintableErrors(const PrintableErrors&) = delete;
    PrintableErrors& operator=(const PrintableErrors&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool WriteLine();

    std::ostream& m_target;
    std::string m_line;
};

}  // namespace spln::cli
