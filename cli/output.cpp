#include "cli/output.h"

namespace cli {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

} // namespace

Output::Output(std::FILE* file, std::string_view newline) : m_file(file), m_newline(newline) {
    m_buffer.reserve(kBufferSize + 1024);
}

Output::~Output() {
    flush();
}

void Output::endLine() {
    m_buffer.append(m_newline);
    if (m_buffer.size() >= kBufferSize) {
        flush();
    }
}

void Output::appendReport(std::string_view crlfLines) {
    constexpr std::string_view kCrLf = "\r\n";
    while (!crlfLines.empty()) {
        const auto end = crlfLines.find(kCrLf);
        m_buffer.append(crlfLines.substr(0, end));
        if (end == std::string_view::npos) {
            return;
        }
        endLine();
        crlfLines.remove_prefix(end + kCrLf.size());
    }
}

bool Output::flush() {
    if (!m_buffer.empty() && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size()) {
        m_failed = true;
    }
    m_buffer.clear();
    if (std::fflush(m_file) != 0) {
        m_failed = true;
    }
    return !m_failed;
}

std::string_view platformNewline() {
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

} // namespace cli
