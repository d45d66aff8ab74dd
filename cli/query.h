#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace cli {

enum class Format { Text, Csv, Json };

// Capacity: the disk a recording of a duration takes. Time: how long a disk lasts.
enum class Mode { Capacity, Time };

// One item of --resolution: a position in the list (0 to 2) or an entry text as the list shows it.
// Which texts a list shows depends on the model and the video system.
struct ResolutionItem {
    int position = -1;     // -1 = given as a text
    std::string_view text; // one of the resolution entry texts; empty when given as a position
    bool operator==(const ResolutionItem&) const = default;
};

// What the command line asks for. Each list holds the chosen entries in the order given, without
// repeats; an empty list means the option was not given, and the item is then not chosen, like a
// list in the window with no entry selected.
struct Query {
    std::vector<std::int16_t> models; // Option2 elements: 1 "4CH", 2 "8CH", 3 "16CH"
    std::vector<int> systems;         // Combo1 entries
    std::vector<int> qualities;       // Combo2 entries
    std::vector<ResolutionItem> resolutions;
    std::vector<int> speeds;             // Combo4 entries: "1/n" is n - 1
    Mode mode = Mode::Time;              // the window's mode before a mode option is clicked
    std::vector<int> periods;            // Combo5 entries (capacity) or Combo6 entries (time)
    std::vector<std::int16_t> languages; // language indices; empty means English
    std::optional<Format> format;        // none: text for one combination, csv for more
    bool crlf = false;                   // end lines with CR LF whatever the platform
};

} // namespace cli
