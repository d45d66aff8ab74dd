#include "ui/window_layout.h"

#include <gtest/gtest.h>

namespace {

using ui::layout::captionCut;
using ui::layout::CaptionRoom;

// A caption measured as a toolkit does: its width follows the cut, rounded up to whole pixels,
// plus what does not narrow with it (the margins, a space that keeps its width).
struct Caption {
    int own;   // the font's own cut
    int width; // the caption's width in that cut
    int fixed; // pixels that stay whatever the cut
    int room;

    CaptionRoom operator()(int cut) const { return {fixed + (width * cut + own - 1) / own, room}; }
};

// Which cut each row caption is drawn in, whichever unit the toolkit narrows a font in.
TEST(CaptionCutTest, TheWidestCutThatFitsAndNoNarrowerThanTheFloor) {
    const struct {
        const char* name;
        int step;
        Caption caption;
        int cut;
    } cases[] = {
        {"fits: the plain font", 2, {100, 90, 0, 100}, 100},
        {"just fits: the plain font", 2, {100, 100, 0, 100}, 100},
        {"a stretch: the first guess fits", 2, {100, 125, 0, 100}, 80},
        {"a stretch: the rounding takes one step more", 2, {100, 120, 5, 100}, 78},
        {"a stretch: a part that keeps its width takes several steps", 1, {100, 100, 20, 100}, 80},
        {"a stretch: steps of the toolkit's own size", 7, {100, 125, 3, 100}, 71},
        {"a stretch: far too wide stops at the floor", 2, {100, 300, 0, 100}, 70},
        {"a character width: the first guess fits", 1, {8, 150, 0, 120}, 6},
        {"a character width: far too wide stops at the floor", 1, {8, 400, 0, 120}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int cut = captionCut(c.caption.own, c.step, c.caption);
        EXPECT_EQ(cut, c.cut);
        EXPECT_GE(cut, c.caption.own * ui::layout::kNarrowestCaptionPercent / 100) << "narrower than the floor";
    }
}

} // namespace
