#pragma once

#include "calc/calculation.h"
#include "calc/record_settings.h"
#include "cli/query.h"

#include <cstdint>
#include <string_view>

namespace cli {

// What a row quotes from the lists, as the window's lists show it; empty for an item not chosen.
struct RowTexts {
    std::string_view model;
    calc::ListTexts lists;
};

class RowSink {
public:
    virtual ~RowSink() = default;
    // `record` holds what the window's record would after the same choices, results not yet
    // worked out; the sink runs the calculation on it.
    virtual void row(const RowTexts& texts, calc::RecordSettings& record) = 0;
};

// Every combination the query asks for, one at a time and nothing kept: model, video system,
// quality, resolution, speed, then duration or disk size, each in the order given. An option not
// given leaves its item not chosen; so does a quality without a video system and a resolution
// without a model and a video system, since the window fills those lists from them.
void walkTable(const Query& query, RowSink& sink);

// How many rows walkTable gives.
std::uint64_t countCombinations(const Query& query);

} // namespace cli
