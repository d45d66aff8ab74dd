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

DataRows::DataRows(Output& out, Mode mode, Format format)
    : m_out(out), m_mode(mode), m_json(format == Format::Json),
      m_columns(mode == Mode::Capacity ? std::span<const std::string_view>(kCapacityColumns)
                                       : std::span<const std::string_view>(kTimeColumns)) {
    if (m_json) {
        return;
    }
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        field(column).append(m_columns[column]);
    }
    m_out.endLine();
}

std::string& DataRows::field(std::size_t column) {
    std::string& line = m_out.line();
    if (m_json) {
        line.append(column == 0 ? "{" : ",");
        appendJsonString(line, m_columns[column]);
        line.push_back(':');
    } else if (column != 0) {
        line.push_back(',');
    }
    return line;
}

void DataRows::row(const RowTexts& texts, calc::RecordSettings& record) {
    const bool capacity = m_mode == Mode::Capacity;
    const bool reported = calc::calculateResults(record);
    m_missing += reported ? 0 : 1;
    const std::array<std::string_view, 6> listTexts = {
        texts.model,         texts.lists.videoSystem,
        texts.lists.quality, texts.lists.resolution,
        texts.lists.speed,   capacity ? texts.lists.duration : texts.lists.hddSize};
    for (std::size_t column = 0; column < listTexts.size(); ++column) {
        std::string& line = field(column);
        if (!m_json) {
            line.append(listTexts[column]); // no list text holds a comma or a quote
        } else if (listTexts[column].empty()) {
            line.append("null");
        } else {
            appendJsonString(line, listTexts[column]);
        }
    }
    // The values the report would show, written by the report's own number forms.
    std::size_t column = listTexts.size();
    if (reported) {
        calc::appendReal(field(column++), calc::fieldsPerSecond(record), kMachinePoint);
        calc::appendFixedPoint(field(column++), calc::hourlyAmount(record), kMachinePoint);
        if (capacity) {
            calc::appendFixedPoint(field(column++), record.RecordSizeGB, kMachinePoint);
        } else {
            calc::appendFixedPoint(field(column++), record.RecordTimeHours, kMachinePoint);
            calc::appendFixedPoint(field(column++), record.RecordTimeDays, kMachinePoint);
        }
    } else {
        for (; column < m_columns.size(); ++column) {
            field(column).append(m_json ? "null" : "");
        }
    }
    if (m_json) {
        m_out.append("}");
    }
    m_out.endLine();
}

} // namespace cli
