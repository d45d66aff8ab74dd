#pragma once

#include "lang/language_texts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lang {

// The window's own copy of every text, five languages by 18 items. Empty until the load step
// fills it; never changed afterwards.
class LanguageTable {
public:
    void fill();

    bool isFilled() const { return m_filled; }

    // The text of an item in a language; both indices must be in range.
    const std::string& text(std::size_t language, std::size_t item) const { return m_texts[language][item]; }

private:
    std::array<std::array<std::string, kItemCount>, kLanguageCount> m_texts;
    bool m_filled = false;
};

// The language in force is a 16-bit index 0 to 4; a value out of range falls back to English
// rather than reading outside the table.
inline std::size_t languageRow(std::int16_t languageIndex) {
    return languageIndex >= 0 && static_cast<std::size_t>(languageIndex) < kLanguageCount
               ? static_cast<std::size_t>(languageIndex)
               : std::size_t{English};
}

// The load step of the window: fills the table, starts in English and marks no model as chosen.
// It works on any record that carries these three fields, so this library needs no calculation code.
template <class Record>
void runLoadStep(Record& record) {
    record.LanguageTable.fill();
    record.LanguageIndex = 0;
    record.ModelChosen = false;
}

} // namespace lang
