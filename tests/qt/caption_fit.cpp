#include "tests/qt/caption_fit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace kolvex_test {

QList<CaptionFit> captionFits(const QWidget& window) {
    static const char* const kNames[] = {"Option1_0", "Option1_1", "Label1_0", "Label1_1",  "Label1_2",
                                         "Label1_3",  "Label1_4",  "Label1_5", "Clear_BTN", "Count_BTN"};
    QList<CaptionFit> fits;
    for (const char* name : kNames) {
        auto* widget = window.findChild<QWidget*>(QLatin1String(name));
        const int textWidth = widget->fontMetrics().horizontalAdvance(
            qobject_cast<QLabel*>(widget) ? static_cast<QLabel*>(widget)->text()
                                          : static_cast<QAbstractButton*>(widget)->text());
        int needed = textWidth;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
            needed = textWidth + 2 * label->margin() + 2 * label->frameWidth();
        } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            caption = option->text();
            QStyleOptionButton opt;
            opt.initFrom(option);
            needed = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, option) +
                     option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt, option) + textWidth;
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            caption = button->text();
            QStyleOptionButton opt;
            opt.initFrom(button);
            needed = textWidth + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, button) +
                     2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, button);
        }
        const int stretch = widget->font().stretch();
        fits.append({QLatin1String(name), caption, needed, widget->width(), stretch > 0 ? stretch : 100});
    }
    return fits;
}

} // namespace kolvex_test
