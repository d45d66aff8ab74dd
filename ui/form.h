#pragma once

#include "calc/record_settings.h"
#include "ui/view.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The calculator window's behaviour, free of any toolkit.
//
// Every user event reaches exactly one handler here: a model or mode option with its element
// index, a choice in one of the six lists, Calculate, Clear or a Language item. The handler
// updates the settings record and then tells the view what to enable, show, re-caption or
// rewrite. A model or video system choice runs the quality and resolution handlers directly,
// as if the user had chosen again in those lists; they then read the lists' current selection,
// which may be none.
namespace ui {

inline constexpr std::string_view kMessageTitle = "Kolvex_calculator";

// What a screen reader calls the result box as the window opens, in English, before the load step
// fills the language table; the Language menu names it again from that table.
std::string initialResultBoxName();

class Form {
public:
    explicit Form(View& view) : m_view(view) {}

    void onLoad();
    void onModelChosen(std::int16_t element);  // Option2: 1 "4CH", 2 "8CH", 3 "16CH"
    void onModeChosen(std::int16_t element);   // Option1: 0 capacity, 1 record time
    void onVideoSystemChosen();                // Combo1
    void onQualityChosen();                    // Combo2
    void onResolutionChosen();                 // Combo3
    void onSpeedChosen();                      // Combo4
    void onDurationChosen();                   // Combo5
    void onHddSizeChosen();                    // Combo6
    void onCalculateClicked();                 // Count_BTN
    void onClearClicked();                     // Clear_BTN
    void onLanguageChosen(std::int16_t index); // Language menu item 0 to 4

    const calc::RecordSettings& settings() const { return m_settings; }

private:
    // Sets the three entries of Combo3 to those of the current model and video system.
    void writeResolutionEntries();
    // The ten captions and the result box's name, in the language in force.
    void applyCaptions();

    View& m_view;
    calc::RecordSettings m_settings;
};

} // namespace ui
