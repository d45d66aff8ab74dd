#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace cli {

// Lines to a file through a buffer of its own, written out whenever it fills, so a table of any
// length takes the same memory. Every line ends with the newline given (LF or CR LF).
class Output {
public:
    Output(std::FILE* file, std::string_view newline);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // The text of the line being written; append to it, then end the line.
    std::string& line() { return m_buffer; }
    void append(std::string_view text) { m_buffer.append(text); }
    void endLine();

    // A report as the calculation gives it: each CR LF becomes this output's newline.
    void appendReport(std::string_view crlfLines);

    // Writes out what is buffered; false once any write has failed (a full disk, a closed pipe).
    bool flush();

private:
    std::FILE* m_file;
    std::string m_newline;
    std::string m_buffer;
    bool m_failed = false;
};

// The newline of the platform: CR LF on Windows, LF elsewhere.
std::string_view platformNewline();

} // namespace cli
