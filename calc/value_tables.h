#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The constant tables behind every list: an entry's position selects its value, and the
// entry texts are never parsed.
namespace calc {

// The captions of the model options Option2(1) to Option2(3), by element index - 1.
inline constexpr std::array<std::string_view, 3> kModelCaptions = {"4CH", "8CH", "16CH"};

inline constexpr std::array<std::string_view, 2> kVideoSystemEntries = {"NTSC", "PAL"};
inline constexpr std::array<std::string_view, 5> kQualityEntries = {"HYPER", "SUPER", "HIGH", "MIDDLE", "LOW"};

// K per full-size field by video system (0 NTSC, 1 PAL) and quality entry; the same for every model.
inline constexpr std::array<std::array<std::int16_t, 5>, 2> kFieldSizeK = {{
    {28, 24, 20, 16, 12},
    {32, 29, 24, 19, 14},
}};

struct ResolutionEntry {
    std::string_view text;
    std::int16_t fieldRate;
    std::int16_t imageRate;
};

using ResolutionRow = std::array<ResolutionEntry, 3>;

// By model group (0: "4CH"; 1: "8CH" and "16CH") and video system. The 8CH and 16CH recorders
// have twice the rates of the 4CH one.
inline constexpr std::array<std::array<ResolutionRow, 2>, 2> kResolutionEntries = {{
    {{
        {{{"60IPS@720*240", 60, 60}, {"120IPS@360*240", 60, 120}, {"240IPS@360*120", 60, 240}}},
        {{{"50IPS@720*288", 50, 50}, {"100IPS@360*288", 50, 100}, {"200IPS@360*144", 50, 200}}},
    }},
    {{
        {{{"120IPS@720*240", 120, 120}, {"240IPS@360*240", 120, 240}, {"480IPS@360*120", 120, 480}}},
        {{{"100IPS@720*288", 100, 100}, {"200IPS@360*288", 100, 200}, {"400IPS@360*144", 100, 400}}},
    }},
}};

inline constexpr std::size_t kSpeedEntryCount = 999; // "1/1" to "1/999"

struct HoursEntry {
    std::string_view text;
    std::int16_t hours;
};

// "1 Month" is four weeks.
inline constexpr std::array<HoursEntry, 14> kRecordHours = {{
    {"1 Hour", 1},
    {"2 Hour", 2},
    {"6 Hour", 6},
    {"12 Hour", 12},
    {"1 Day", 24},
    {"2 Day", 48},
    {"3 Day", 72},
    {"4 Day", 96},
    {"5 Day", 120},
    {"6 Day", 144},
    {"1 Week", 168},
    {"2 Week", 336},
    {"3 Week", 504},
    {"1 Month", 672},
}};

struct HddEntry {
    std::string_view text;
    std::int16_t gigabytes;
};

inline constexpr std::array<HddEntry, 9> kHddSizes = {{
    {"80G", 80},
    {"120G", 120},
    {"160G", 160},
    {"200G", 200},
    {"250G", 250},
    {"300G", 300},
    {"400G", 400},
    {"500G", 500},
    {"750G", 750},
}};

// Model 1 has a row of its own; models 2 and 3 share one. Before any model is chosen (0) the
// resolution list shows the 4CH entries, so 0 maps there too.
constexpr std::size_t modelGroup(std::int16_t modelIndex) {
    return modelIndex >= 2 ? 1 : 0;
}

// Every value but 0 counts as PAL.
constexpr std::size_t systemRow(std::int16_t videoSystem) {
    return videoSystem == 0 ? 0 : 1;
}

constexpr const ResolutionRow& resolutionRow(std::int16_t modelIndex, std::int16_t videoSystem) {
    return kResolutionEntries[modelGroup(modelIndex)][systemRow(videoSystem)];
}

// The text of speed entry k: "1/" and k + 1.
std::string speedEntryText(std::size_t entry);

} // namespace calc
