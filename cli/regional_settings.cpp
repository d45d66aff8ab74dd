#include "cli/regional_settings.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#endif

namespace cli {

#ifdef _WIN32

std::string userDecimalSeparator() {
    wchar_t wide[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, 8);
    if (length <= 1) {
        return ".";
    }
    char utf8[32] = {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, utf8, sizeof utf8, nullptr, nullptr);
    return bytes > 0 ? std::string(utf8, static_cast<std::size_t>(bytes)) : std::string(".");
}

#else

std::string userDecimalSeparator() {
    // Only long enough to read the separator: nothing else in the program may follow the locale.
    if (std::setlocale(LC_NUMERIC, "") == nullptr) {
        return ".";
    }
    std::string separator = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return separator.empty() ? std::string(".") : separator;
}

#endif

} // namespace cli
