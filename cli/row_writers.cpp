#include "cli/row_writers.h"

#include "calc/calculation.h"
#include "calc/number_format.h"

#include <array>
#include <utility>

namespace cli {
namespace {

constexpr std::string_view kMachinePoint = ".";

constexpr std::array<std::string_view, 9> kCapacityColumns = {
    "model",      "system",        "quality", "resolution", "speed", "duration", "fields_per_second",
    "k_per_hour", "record_size_gb"};
constexpr std::array<std::string_view, 10> kTimeColumns = {"model",
                                                           "system",
                                                           "quality",
                                                           "resolution",
                                                           "speed",
                                                           "hdd_size",
                                                           "fields_per_second",
                                                           "k_per_hour",
                                                           "record_time_hours",
                                                           "record_time_days"};

// Key names in the order of the columns, for both modes.
std::string_view columnName(Mode mode, std::size_t column) {
    return mode == Mode::Capacity ? kCapacityColumns[column] : kTimeColumns[column];
}

void appendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
        }
        out.push_back(c); // the list texts hold no control characters
    }
    out.push_back('"');
}

} // namespace

TextReports::TextReports(Output& out, Output& err, std::vector<std::int16_t> languages, std::string decimalSeparator)
    : m_out(out), m_err(err), m_languages(std::move(languages)), m_separator(std::move(decimalSeparator)) {
    if (m_languages.empty()) {
        m_languages.push_back(0);
    }
}

void TextReports::row(const RowTexts& texts, calc::RecordSettings& record) {
    bool missing = false;
    for (const std::int16_t language : m_languages) {
        record.LanguageIndex = language;
        const calc::CalculationOutcome outcome = calc::calculate(record, texts.lists, m_separator);
        if (outcome.reported) {
            m_out.appendReport(outcome.text);
        } else {
            missing = true;
            m_err.append(outcome.text);
            m_err.endLine();
        }
    }
    m_missing += missing ? 1 : 0;
}

DataRows::DataRows(Output& out, Mode mode, Format format) : m_out(out), m_mode(mode), m_json(format == Format::Json) {
    if (m_json) {
        return;
    }
    const std::size_t count = mode == Mode::Capacity ? kCapacityColumns.size() : kTimeColumns.size();
    for (std::size_t c = 0; c < count; ++c) {
        m_out.append(c == 0 ? "" : ",");
        m_out.append(columnName(mode, c));
    }
    m_out.endLine();
}

void DataRows::text(std::string_view key, std::string_view value) {
    std::string& line = m_out.line();
    if (m_json) {
        line.append(m_first ? "{" : ",");
        appendJsonString(line, key);
        line.push_back(':');
        if (value.empty()) {
            line.append("null");
        } else {
            appendJsonString(line, value);
        }
    } else {
        line.append(m_first ? "" : ",").append(value); // no list text holds a comma or a quote
    }
    m_first = false;
}

void DataRows::number(std::string_view key, const std::string& digits) {
    std::string& line = m_out.line();
    if (m_json) {
        line.append(m_first ? "{" : ",");
        appendJsonString(line, key);
        line.push_back(':');
        line.append(digits.empty() ? std::string_view("null") : std::string_view(digits));
    } else {
        line.append(m_first ? "" : ",").append(digits);
    }
    m_first = false;
}

void DataRows::row(const RowTexts& texts, calc::RecordSettings& record) {
    const bool capacity = m_mode == Mode::Capacity;
    const bool reported = calc::calculateResults(record);
    m_missing += reported ? 0 : 1;
    m_first = true;
    std::size_t column = 0;
    for (const std::string_view value :
         {texts.model, texts.lists.videoSystem, texts.lists.quality, texts.lists.resolution, texts.lists.speed,
          capacity ? texts.lists.duration : texts.lists.hddSize}) {
        text(columnName(m_mode, column++), value);
    }
    // The values the report would show, written by the report's own number forms.
    const auto put = [&](auto append) {
        m_digits.clear();
        if (reported) {
            append(m_digits);
        }
        number(columnName(m_mode, column++), m_digits);
    };
    put([&](std::string& s) { calc::appendReal(s, calc::fieldsPerSecond(record), kMachinePoint); });
    put([&](std::string& s) { calc::appendFixedPoint(s, calc::hourlyAmount(record), kMachinePoint); });
    if (capacity) {
        put([&](std::string& s) { calc::appendFixedPoint(s, record.RecordSizeGB, kMachinePoint); });
    } else {
        put([&](std::string& s) { calc::appendFixedPoint(s, record.RecordTimeHours, kMachinePoint); });
        put([&](std::string& s) { calc::appendFixedPoint(s, record.RecordTimeDays, kMachinePoint); });
    }
    if (m_json) {
        m_out.append("}");
    }
    m_out.endLine();
}

} // namespace cli
