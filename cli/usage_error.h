#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// A command line the program cannot take: the message is one line naming the option or value
// and listing what is accepted instead.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace cli
