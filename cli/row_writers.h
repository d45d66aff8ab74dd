#pragma once

#include "cli/output.h"
#include "cli/query.h"
#include "cli/table.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The three ways a combination is written. Each counts the combinations that had nothing to
// report (an item not chosen, or nothing recorded per hour).
namespace cli {

// The window's report, once for each language, with the user's decimal separator; for a
// combination with nothing to report, the window's missing-item message on the error output.
class TextReports : public RowSink {
public:
    TextReports(Output& out, Output& err, std::vector<std::int16_t> languages, std::string decimalSeparator);
    void row(const RowTexts& texts, calc::RecordSettings& record) override;
    std::uint64_t missing() const { return m_missing; }

private:
    Output& m_out;
    Output& m_err;
    std::vector<std::int16_t> m_languages;
    std::string m_separator;
    std::uint64_t m_missing = 0;
};

// Rows of values, numbers with "." whatever the regional settings, in the order of the header:
// model, system, quality, resolution, speed, duration or hdd_size, fields_per_second, k_per_hour,
// then record_size_gb, or record_time_hours and record_time_days. The computed fields are empty
// (csv) or null (json) when there is nothing to report; so are the texts of items not chosen.
class DataRows : public RowSink {
public:
    DataRows(Output& out, Mode mode, Format format); // writes the csv header line
    void row(const RowTexts& texts, calc::RecordSettings& record) override;
    std::uint64_t missing() const { return m_missing; }

private:
    std::string& field(std::size_t column); // the line, with what goes before the column's value

    Output& m_out;
    Mode m_mode;
    bool m_json;
    std::span<const std::string_view> m_columns; // the key names, in order
    std::uint64_t m_missing = 0;
};

} // namespace cli
