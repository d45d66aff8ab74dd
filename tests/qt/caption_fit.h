#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace kolvex_test {

// How wide a control's caption is drawn, decoration included (an option's indicator, a
// button's margins), against the width the layout gives the control.
struct CaptionFit {
    QString control;
    QString caption;
    int needed;
    int available;
    int stretch; // percent of the font's plain width it is drawn in
};

// The ten controls whose captions follow the language.
QList<CaptionFit> captionFits(const QWidget& window);

} // namespace kolvex_test
