#include "cli/program.h"

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/row_writers.h"
#include "cli/table.h"

#include <string>

namespace cli {

int run(const Query& query, std::FILE* out, std::FILE* err, std::string_view decimalSeparator) {
    const std::uint64_t combinations = countCombinations(query);
    const Format format = query.format.value_or(combinations == 1 ? Format::Text : Format::Csv);
    const std::string_view newline = query.crlf ? std::string_view("\r\n") : platformNewline();
    Output output(out, newline);
    Output errors(err, newline);

    std::uint64_t missing = 0;
    if (format == Format::Text) {
        TextReports reports(output, errors, query.languages, std::string(decimalSeparator));
        walkTable(query, reports);
        missing = reports.missing();
    } else {
        DataRows rows(output, query.mode, format);
        walkTable(query, rows);
        missing = rows.missing();
    }
    errors.flush();
    if (!output.flush()) {
        std::fputs("kolvex-calc: the output could not be written\n", err);
        return kExitWriteFailed;
    }
    const bool nothingToReport = missing > 0 && (format == Format::Text || combinations == 1);
    return nothingToReport ? kExitNothingToReport : kExitSuccess;
}

} // namespace cli
