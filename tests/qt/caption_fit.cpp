#include "tests/qt/caption_fit.h"

#include "tests/qt/window_driver.h"
#include "ui/captioned_controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace kolvex_test {

QList<CaptionFit> captionFits(const QWidget& window) {
    QList<CaptionFit> fits;
    for (const auto& captioned : ui::kCaptionedControls) {
        QWidget* widget = control(window, captioned.control);
        const QString caption = captionOf(widget);
        const int textWidth = widget->fontMetrics().horizontalAdvance(caption);
        int needed = textWidth;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            needed = textWidth + 2 * label->margin() + 2 * label->frameWidth();
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QStyleOptionButton opt;
            opt.initFrom(option);
            needed = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, option) +
                     option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, option) + textWidth;
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            needed = textWidth + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, button) +
                     2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, button);
        }
        const int stretch = widget->font().stretch();
        fits.append({widget->objectName(), caption, needed, widget->width(), stretch > 0 ? stretch : 100});
    }
    return fits;
}

} // namespace kolvex_test
