#include "lang/language_table.h"

namespace lang {

void LanguageTable::fill() {
    for (std::size_t language = 0; language < kLanguageCount; ++language) {
        for (std::size_t item = 0; item < kItemCount; ++item) {
            m_texts[language][item] = std::string(kLanguageTexts[language][item]);
        }
    }
    m_filled = true;
}

} // namespace lang
