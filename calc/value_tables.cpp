#include "calc/value_tables.h"

#include <charconv>

namespace calc {

std::string speedEntryText(std::size_t entry) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, entry + 1).ptr;
    std::string text = "1/";
    text.append(digits, end);
    return text;
}

} // namespace calc
