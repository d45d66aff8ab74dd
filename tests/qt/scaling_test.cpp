#include "tests/qt/caption_fit.h"
#include "tests/qt/window_driver.h"
#include "ui/qt/form1.h"

#include <QComboBox>
#include <QMenuBar>
#include <QRectF>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace kolvex_test {
namespace {

// Every control's place in twips, from its container's corner.
struct Placed {
    const char* name;
    const char* container;
    int left;
    int top;
    int width;
    int height;
};

const Placed kLayout[] = {
    {"Frame3", "ClientArea", 120, 120, 8175, 615},   {"Option2_1", "Frame3", 120, 240, 1215, 255},
    {"Option2_3", "Frame3", 2760, 240, 1815, 255},   {"Option2_2", "Frame3", 1560, 240, 855, 255},
    {"Frame2", "ClientArea", 120, 720, 8175, 615},   {"Option1_1", "Frame2", 3240, 240, 4455, 255},
    {"Option1_0", "Frame2", 240, 240, 2655, 255},    {"Text1", "ClientArea", 4320, 1440, 3975, 3135},
    {"Frame1", "ClientArea", 120, 1320, 4095, 3255}, {"Combo5", "Frame1", 2400, 2280, 1575, 300},
    {"Clear_BTN", "Frame1", 480, 2760, 1335, 375},   {"Combo1", "Frame1", 2400, 360, 1575, 300},
    {"Combo2", "Frame1", 2400, 840, 1575, 300},      {"Combo3", "Frame1", 2400, 1320, 1575, 300},
    {"Combo4", "Frame1", 2400, 1800, 1575, 300},     {"Count_BTN", "Frame1", 2160, 2760, 1335, 375},
    {"Combo6", "Frame1", 2400, 2280, 1575, 300},     {"Label1_5", "Frame1", 120, 2280, 2175, 375},
    {"Label1_4", "Frame1", 120, 2280, 1935, 375},    {"Label1_0", "Frame1", 120, 360, 2175, 375},
    {"Label1_1", "Frame1", 120, 840, 2175, 375},     {"Label1_2", "Frame1", 120, 1320, 2175, 375},
    {"Label1_3", "Frame1", 120, 1800, 2175, 375},
};
constexpr double kTwipsPerPixel = 15.0;
constexpr int kClientWidth = 8385;
constexpr int kClientHeight = 4665;

// The two pairs of the shared row lie on each other; the frames stacked above each other share
// one border line (15 twips), as the layout places them.
const std::set<std::pair<QString, QString>> kSharedPlaces = {
    {"Label1_4", "Label1_5"}, {"Combo5", "Combo6"}, {"Frame2", "Frame3"}, {"Frame1", "Frame2"}};

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect layoutPixels(const Placed& p) {
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

// The window under the scale factor the test runs with (QT_SCALE_FACTOR; 1 without it).
class ScalingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(showWindow(m_window));
        m_scale =
            qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    }

    QWidget* find(const char* name) const { return control(m_window, QLatin1String(name)); }

    ui::qt::Form1 m_window;
    double m_scale = 1.0;
};

TEST_F(ScalingTest, TheWindowIsDrawnAtTheScaleFactor) {
    EXPECT_DOUBLE_EQ(m_window.devicePixelRatioF(), m_scale);
    QWidget* client = m_window.centralWidget();
    EXPECT_EQ(client->size(), QSize(pixels(kClientWidth), pixels(kClientHeight)));
    EXPECT_GE(client->y(), m_window.menuBar()->geometry().bottom() + 1) << "the menu bar covers the client area";
    EXPECT_EQ(m_window.minimumSize(), m_window.maximumSize());
}

// Each control keeps the layout's place: in device-independent pixels a fifteenth of its twips,
// in device pixels that times the scale factor, so the window keeps its proportions.
TEST_F(ScalingTest, EveryControlKeepsItsPlaceInProportion) {
    QWidget* client = m_window.centralWidget();
    for (const Placed& p : kLayout) {
        SCOPED_TRACE(p.name);
        QWidget* w = find(p.name);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(w->parentWidget()->objectName(), QLatin1String(p.container));
        EXPECT_EQ(w->geometry(), layoutPixels(p));
        // From the client area's corner, in device pixels.
        const QRectF device(QPointF(w->mapTo(client, QPoint(0, 0))) * m_window.devicePixelRatioF(),
                            QSizeF(w->size()) * m_window.devicePixelRatioF());
        int left = p.left;
        int top = p.top;
        for (const Placed& c : kLayout) {
            if (QLatin1String(c.name) == QLatin1String(p.container)) {
                left += c.left;
                top += c.top;
            }
        }
        const QRectF expected(left / kTwipsPerPixel * m_scale, top / kTwipsPerPixel * m_scale,
                              p.width / kTwipsPerPixel * m_scale, p.height / kTwipsPerPixel * m_scale);
        EXPECT_NEAR(device.left(), expected.left(), 1.0);
        EXPECT_NEAR(device.top(), expected.top(), 1.0);
        EXPECT_NEAR(device.width(), expected.width(), 1.0);
        EXPECT_NEAR(device.height(), expected.height(), 1.0);
    }
}

// Nothing sticks out of the client area or out of its frame, and no two controls of one
// container overlap but those that share a place in the layout.
TEST_F(ScalingTest, ControlsStayInsideAndApart) {
    QWidget* client = m_window.centralWidget();
    for (const Placed& p : kLayout) {
        SCOPED_TRACE(p.name);
        QWidget* w = find(p.name);
        EXPECT_TRUE(client->rect().contains(QRect(w->mapTo(client, QPoint(0, 0)), w->size())));
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()));
        for (const Placed& q : kLayout) {
            if (&q <= &p || QLatin1String(q.container) != QLatin1String(p.container)) {
                continue;
            }
            const QRect overlap = w->geometry().intersected(find(q.name)->geometry());
            const QString a = QString::fromLatin1(p.name);
            const QString b = QString::fromLatin1(q.name);
            if (kSharedPlaces.count(a < b ? std::pair(a, b) : std::pair(b, a)) == 0) {
                EXPECT_TRUE(overlap.isEmpty()) << p.name << " overlaps " << q.name;
            } else if (QLatin1String(p.container) == QLatin1String("Frame1")) {
                EXPECT_EQ(w->pos(), find(q.name)->pos()) << p.name << " does not lie on " << q.name;
                EXPECT_EQ(w->height(), find(q.name)->height());
            } else {
                EXPECT_EQ(overlap.height(), 1) << p.name << " and " << q.name << " share more than a border";
            }
        }
    }
}

// Every caption that follows the language still fits its control at this scale.
TEST_F(ScalingTest, EveryCaptionFitsInEveryLanguage) {
    for (int language = 0; language < 5; ++language) {
        chooseLanguage(m_window, language);
        for (const CaptionFit& fit : captionFits(m_window)) {
            EXPECT_LE(fit.needed, fit.available)
                << language << " " << qPrintable(fit.control) << " \"" << qPrintable(fit.caption) << "\"";
        }
    }
}

// Every entry of every list can be read in full in the list's field at this scale, the longer
// resolutions of the 8CH and 16CH models included.
TEST_F(ScalingTest, EveryListEntryFitsItsField) {
    for (const char* model : {"Option2_1", "Option2_3"}) {
        SCOPED_TRACE(model);
        runTypicalUse(m_window);
        clickOption(m_window, QLatin1String(model));
        clickOption(m_window, QStringLiteral("Option1_1")); // shows the disk size list
        for (const char* name : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo6"}) {
            auto* list = qobject_cast<QComboBox*>(find(name));
            ASSERT_TRUE(list->isEnabled() && list->isVisible()) << name;
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int field =
                list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
            for (int i = 0; i < list->count(); ++i) {
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), field)
                    << name << " " << qPrintable(list->itemText(i));
            }
        }
        clickOption(m_window, QStringLiteral("Option1_0"));
    }
}

} // namespace
} // namespace kolvex_test
