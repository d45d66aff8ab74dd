#include "calc/calculation.h"

#include "calc/number_format.h"

namespace calc {
namespace {

constexpr std::string_view kSeparatorLine = "=======================================";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kReportCapacity = 512; // the longest report is well below this
constexpr double kBinaryStep = 1024.0;       // K to M and M to G

bool isCapacityMode(const RecordSettings& s) {
    return s.CapacityMode == kTrue16;
}

class ReportWriter {
public:
    ReportWriter(const RecordSettings& s, std::string_view separator)
        : m_table(s.LanguageTable), m_language(lang::languageRow(s.LanguageIndex)), m_separator(separator) {
        m_text.reserve(kReportCapacity);
    }

    const std::string& item(lang::Item k) const { return m_table.text(m_language, k); }

    ReportWriter& separatorLine() {
        m_text.append(kSeparatorLine);
        return end();
    }
    ReportWriter& label(lang::Item k) {
        m_text.append(item(k));
        m_text.append(" : ");
        return *this;
    }
    ReportWriter& text(std::string_view t) {
        m_text.append(t);
        return *this;
    }
    ReportWriter& integer(std::int64_t v) {
        appendInteger(m_text, v);
        return *this;
    }
    ReportWriter& fixed(FixedPoint v) {
        appendFixedPoint(m_text, v, m_separator);
        return *this;
    }
    ReportWriter& real(double v) {
        appendReal(m_text, v, m_separator);
        return *this;
    }
    ReportWriter& end() {
        m_text.append(kLineEnd);
        return *this;
    }
    std::string take() { return std::move(m_text); }

private:
    const lang::LanguageTable& m_table;
    std::size_t m_language;
    std::string_view m_separator;
    std::string m_text;
};

// Lines 1 to 5 are the same in both modes but for the joint of the quality line.
void writeSettingsLines(ReportWriter& w, const RecordSettings& s, const ListTexts& lists, std::string_view joint) {
    w.separatorLine();
    w.label(lang::VideoSystemLabel).text(lists.videoSystem).end();
    w.label(lang::ReportQuality).text(lists.quality).text(joint).integer(s.FieldSizeK).text(" K").end();
    w.label(lang::ReportResolution).text(lists.resolution).end();
    // " fileds" is spelt so on purpose: the report keeps the recorder software's text byte for byte.
    w.label(lang::ReportSpeed).text(lists.speed).text("X = ").real(fieldsPerSecond(s)).text(" fileds").end();
}

} // namespace

FixedPoint hourlyAmount(const RecordSettings& s) {
    return s.SpeedFactor.times(s.FieldRate).times(s.FieldSizeK).times(60).times(60);
}

bool isComplete(const RecordSettings& s) {
    const bool modeItem = isCapacityMode(s) ? s.DurationChosen : s.HddChosen;
    return s.SystemChosen && s.QualityChosen && s.ResolutionChosen && s.SpeedChosen && modeItem;
}

double fieldsPerSecond(const RecordSettings& s) {
    return static_cast<double>(s.ImageRate) / (1.0 / s.SpeedFactor.toDouble());
}

bool calculateResults(RecordSettings& s) {
    if (!isComplete(s)) {
        return false;
    }
    const FixedPoint perHour = hourlyAmount(s);
    if (perHour.raw() == 0) {
        return false;
    }
    const double p = perHour.toDouble();
    if (isCapacityMode(s)) {
        s.RecordSizeGB = FixedPoint::fromDouble(p / kBinaryStep * static_cast<double>(s.RecordHours) / kBinaryStep);
    } else {
        const double gigabytesPerHour = p / kBinaryStep / kBinaryStep;
        s.RecordTimeHours = FixedPoint::fromDouble(static_cast<double>(s.HddSizeGB) / gigabytesPerHour);
        s.RecordTimeDays = FixedPoint::fromDouble(s.RecordTimeHours.toDouble() / 24.0);
    }
    return true;
}

CalculationOutcome calculate(RecordSettings& s, const ListTexts& lists, std::string_view decimalSeparator) {
    if (!calculateResults(s)) {
        return {false, s.LanguageTable.text(lang::languageRow(s.LanguageIndex), lang::MissingItemMessage)};
    }
    ReportWriter w(s, decimalSeparator);
    if (isCapacityMode(s)) {
        writeSettingsLines(w, s, lists, "= ");
        w.label(lang::DurationLabel).text(lists.duration).end();
        w.label(lang::ReportSize).fixed(s.RecordSizeGB).text(" GB").end();
    } else {
        writeSettingsLines(w, s, lists, " = ");
        w.label(lang::HddSizeLabel).text(lists.hddSize).end();
        w.label(lang::ReportTime).fixed(s.RecordTimeHours).text(w.item(lang::HourUnit)).end();
        w.label(lang::ReportTime).fixed(s.RecordTimeDays).text(w.item(lang::DayUnit)).end();
    }
    w.separatorLine();
    return {true, w.take()};
}

} // namespace calc
