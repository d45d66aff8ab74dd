#pragma once

#include "calc/record_settings.h"
#include "ui/view.h"
#include "ui/window_layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The calculator window's behaviour, free of any toolkit.
//
// Every user event comes in through one entry point by the kind of control it is on: an option
// clicked, a list chosen, a button clicked, a Language item chosen. The window's description
// (ui/window_layout.h) says which handler the control raises, and the entry point runs exactly
// that one; a front-end names no handler. The handler updates the settings record and then tells
// the view what to enable, show, re-caption or rewrite. A model or video system choice runs the
// quality and resolution handlers directly, as if the user had chosen again in those lists; they
// then read the lists' current selection, which may be none.
namespace ui {

inline constexpr std::string_view kMessageTitle = "Kolvex_calculator";

// What a screen reader calls the result box as the window opens, in English, before the load step
// fills the language table; the Language menu names it again from that table.
std::string initialResultBoxName();

class Form {
public:
    explicit Form(View& view) : m_view(view) {}

    void onLoad();

    // A control of another kind than the entry point's raises nothing through it.
    void optionClicked(Control option); // also the option already chosen
    void listChosen(Control list);      // also the entry already chosen
    void buttonClicked(Control button);
    void languageItemChosen(int index); // Language menu item 0 to 4

    const calc::RecordSettings& settings() const { return m_settings; }

private:
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

    // Runs the handler the control's row names, if the control is of `kind`.
    void raise(Control c, layout::Kind kind);

    // Sets the three entries of Combo3 to those of the current model and video system.
    void writeResolutionEntries();
    // The ten captions and the result box's name, in the language in force.
    void applyCaptions();

    View& m_view;
    calc::RecordSettings m_settings;
};

} // namespace ui
