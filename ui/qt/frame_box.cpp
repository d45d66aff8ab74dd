#include "ui/qt/frame_box.h"

#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {
namespace {

constexpr int kTitleIndent = 6; // pixels from the frame's left edge to the title's gap
constexpr int kTitleGap = 2;    // pixels of broken border either side of the title

} // namespace

QRect FrameBox::borderRect() const {
    return rect().adjusted(0, fontMetrics().height() / 2, 0, 0);
}

QRect FrameBox::titleRect() const {
    if (title().isEmpty()) {
        return {};
    }
    return {kTitleIndent + kTitleGap, 0, fontMetrics().horizontalAdvance(title()), fontMetrics().height()};
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = borderRect();
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    const QRect titleArea = titleRect();
    if (!titleArea.isEmpty()) {
        painter.setClipRegion(QRegion(rect()) - titleArea.adjusted(-kTitleGap, 0, kTitleGap, 0));
    }
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
    if (!titleArea.isEmpty()) {
        painter.setClipping(false);
        style()->drawItemText(&painter, titleArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
    }
}

} // namespace ui
