#pragma once

#include "tests/ui/session_model.h"

#include <string_view>

namespace ui::session {

// The randomized-sessions test: runs the sessions the environment asks for (`defaultCount` unless
// it says), fails the test with the first failing session, shortened, and records and prints the
// figures, naming the sessions `what`. From `enoughToBite` sessions on, complete settings and
// refusals must come often enough for the report and message checks to bite.
void checkRandomSessions(Driver& driver, int defaultCount, int enoughToBite, std::string_view what);

} // namespace ui::session
