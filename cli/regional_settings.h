#pragma once

#include <string>

namespace cli {

// The decimal separator of the user's regional settings, as UTF-8, the one the window writes its
// report with: on Windows the user's number format, elsewhere the numeric locale the environment
// names (LC_ALL, LC_NUMERIC, LANG). "." when none is set or the named locale is not installed.
std::string userDecimalSeparator();

} // namespace cli
