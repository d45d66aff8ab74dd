#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"
#include "lang/language_texts.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#if defined(__EMSCRIPTEN__)
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// Under node the C library's standard output goes through a stream that node writes out only once
// the program has ended, so the whole stream would wait in memory: it goes to the descriptor
// directly instead, waiting whenever the pipe is full.
EM_JS(void, writeToStandardOutput, (const char* data, int size), {
    var fs = require("fs");
    for (var done = 0; done < size;) {
        try {
            done += fs.writeSync(1, HEAPU8, data + done, size - done);
        } catch (e) {
            if (e.code != "EAGAIN") {
                throw e;
            }
        }
    }
});
#endif

// Writes every report the lists can give, in every language, to standard output: each combination
// of list entries in both modes, as the sweep test goes through them. The native program and the
// WebAssembly one must write the same bytes; the German and French reports use the decimal comma.

namespace {

// Collects the reports and writes them out a megabyte at a time.
class Output {
public:
    void add(const std::string& report) {
        ++m_reports;
        m_bytes += report.size();
        m_buffer += report;
        if (m_buffer.size() >= (1U << 20)) {
            flush();
        }
    }

    void flush() {
#if defined(__EMSCRIPTEN__)
        writeToStandardOutput(m_buffer.data(), static_cast<int>(m_buffer.size()));
#else
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        std::fflush(stdout);
#endif
        m_buffer.clear();
    }

    unsigned long long reports() const {
        return m_reports;
    }
    unsigned long long bytes() const {
        return m_bytes;
    }

private:
    std::string m_buffer;
    unsigned long long m_reports = 0;
    unsigned long long m_bytes = 0;
};

void writeLanguage(Output& out, std::int16_t language) {
    const std::string_view separator = language == lang::German || language == lang::French ? "," : ".";
    calc::RecordSettings base;
    lang::runLoadStep(base);
    base.LanguageIndex = language;
    std::vector<std::string> speeds;
    for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
        speeds.push_back(calc::speedEntryText(k));
    }
    for (std::int16_t model = 1; model <= 3; ++model) {
        for (std::int16_t system = 0; system < 2; ++system) {
            const calc::ResolutionRow& row = calc::resolutionRow(model, system);
            for (int quality = 0; quality < 5; ++quality) {
                for (int resolution = 0; resolution < 3; ++resolution) {
                    for (int speed = 0; speed < static_cast<int>(speeds.size()); ++speed) {
                        calc::RecordSettings s = base;
                        calc::chooseModel(s, model);
                        calc::chooseVideoSystem(s, system);
                        calc::chooseQuality(s, quality);
                        calc::chooseResolution(s, resolution);
                        calc::chooseSpeed(s, speed);
                        calc::ListTexts texts{calc::kVideoSystemEntries[static_cast<std::size_t>(system)],
                                              calc::kQualityEntries[static_cast<std::size_t>(quality)],
                                              row[static_cast<std::size_t>(resolution)].text,
                                              speeds[static_cast<std::size_t>(speed)],
                                              {},
                                              {}};
                        calc::chooseMode(s, 0);
                        for (int d = 0; d < static_cast<int>(calc::kRecordHours.size()); ++d) {
                            calc::chooseDuration(s, d);
                            texts.duration = calc::kRecordHours[static_cast<std::size_t>(d)].text;
                            out.add(calc::calculate(s, texts, separator).text);
                        }
                        calc::chooseMode(s, 1);
                        for (int h = 0; h < static_cast<int>(calc::kHddSizes.size()); ++h) {
                            calc::chooseHddSize(s, h);
                            texts.hddSize = calc::kHddSizes[static_cast<std::size_t>(h)].text;
                            out.add(calc::calculate(s, texts, separator).text);
                        }
                    }
                }
            }
        }
    }
}

} // namespace

int main() {
    Output out;
    for (std::size_t language = 0; language < lang::kLanguageCount; ++language) {
        writeLanguage(out, static_cast<std::int16_t>(language));
    }
    out.flush();
    // Before standard output closes, so a reader that has seen its end finds this written.
    const std::string written = std::to_string(out.reports()) + " reports, " + std::to_string(out.bytes()) + " bytes\n";
    std::fputs(written.c_str(), stderr);
    return 0;
}
