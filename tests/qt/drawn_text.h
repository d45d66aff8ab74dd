#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QWidget;

namespace kolvex_test {

// A text as a widget really draws it, recorded from its own paint code: the characters drawn,
// where (in the widget's pixels), the clip in force and the stretch of the font it was drawn in.
struct DrawnText {
    QString text;
    QRectF rect;
    QRectF clip; // the widget's rectangle when nothing clips
    int stretch; // percent of the font's plain width
};

// Every text the widget draws when it paints itself, its children left out.
QList<DrawnText> drawnTexts(QWidget& widget);

} // namespace kolvex_test
