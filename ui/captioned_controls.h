#pragma once

#include "lang/captions.h"
#include "lang/language_texts.h"
#include "ui/view.h"

#include <array>
#include <cstddef>

namespace ui {

struct CaptionedControl {
    Control control;
    lang::Item item; // its caption in the language table, and in the initial captions
};

// The ten controls whose captions follow the language, in the order they are re-captioned, with
// their language items. The form, the window and the fake view all read this one table.
inline constexpr std::array<CaptionedControl, lang::kInitialCaptions.size()> kCaptionedControls = {{
    {Control::Option1_0, lang::CapacityOption},
    {Control::Option1_1, lang::TimeOption},
    {Control::Label1_0, lang::VideoSystemLabel},
    {Control::Label1_1, lang::QualityLabel},
    {Control::Label1_2, lang::ResolutionLabel},
    {Control::Label1_3, lang::SpeedLabel},
    {Control::Label1_4, lang::DurationLabel},
    {Control::Label1_5, lang::HddSizeLabel},
    {Control::Clear_BTN, lang::ClearButton},
    {Control::Count_BTN, lang::CalculateButton},
}};

// The initial captions are indexed by language item, 0 to 9, so the table must run through them in
// that order.
static_assert(
    [] {
        for (std::size_t i = 0; i < kCaptionedControls.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (kCaptionedControls[j].control == kCaptionedControls[i].control) {
                    return false;
                }
            }
            if (kCaptionedControls[i].item != i) {
                return false;
            }
        }
        return true;
    }(),
    "ten different controls, in language-item order");

} // namespace ui
