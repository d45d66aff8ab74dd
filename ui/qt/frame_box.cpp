#include "ui/qt/frame_box.h"

#include <QPainter>
#include <QRegion>
#include <QStyle>

namespace ui::qt {
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
    const QRect titleArea = titleRect();
    if (!titleArea.isEmpty()) {
        painter.setClipRegion(QRegion(rect()) - titleArea.adjusted(-kTitleGap, 0, kTitleGap, 0));
    }
    // An etched line, a dark one with a light one beside it, drawn here rather than by the style:
    // styles place a group box's border by their own title metrics, below the title.
    const QRect border = borderRect();
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border.adjusted(0, 0, -2, -2));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, -1, -1));
    if (!titleArea.isEmpty()) {
        painter.setClipping(false);
        style()->drawItemText(&painter, titleArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
    }
}

} // namespace ui::qt
