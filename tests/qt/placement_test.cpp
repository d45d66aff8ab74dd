// Where the window goes on a screen: centred in the available area, and a window larger than the
// area with its top-left corner (menu bar, model row) inside it, whatever panels take the edges.
#include "ui/qt/start.h"

#include <QRect>

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}
QT_END_NAMESPACE

namespace kolvex_test {
namespace {

TEST(PlacementTest, TheWindowIsCentredOrKeepsItsTopLeftCornerInTheAvailableArea) {
    const QRect screen(0, 0, 1024, 768);
    const QRect belowTopPanel(0, 32, 1024, 736);
    const QRect rightOfSidePanel(64, 0, 960, 768);
    const QRect secondScreen(1920, 0, 1280, 1024);
    const struct {
        const char* name;
        QSize window;
        QRect available;
        QRect expected;
    } cases[] = {
        {"fits: centred", {559, 330}, screen, {233, 219, 559, 330}},
        {"fits below a top panel", {559, 330}, belowTopPanel, {233, 235, 559, 330}},
        {"fits on a second screen", {559, 330}, secondScreen, {2281, 347, 559, 330}},
        {"wider than the screen (scale 2)", {1118, 660}, screen, {0, 54, 1118, 660}},
        {"wider than the area right of a side panel", {1118, 660}, rightOfSidePanel, {64, 54, 1118, 660}},
        {"larger both ways (scale 10)", {5590, 3300}, screen, {0, 0, 5590, 3300}},
        {"taller than the area below a top panel", {700, 900}, belowTopPanel, {162, 32, 700, 900}},
        {"as large as the area", {1024, 736}, belowTopPanel, belowTopPanel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ui::qt::placeOnScreen(c.window, c.available), c.expected);
    }
}

} // namespace
} // namespace kolvex_test
