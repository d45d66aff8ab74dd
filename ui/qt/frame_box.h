#pragma once

#include <QGroupBox>

namespace ui::qt {

// A frame whose title sits in its top border line, the line broken behind the title, and whose
// border runs half a text line below its top edge, clear of the options placed inside it.
class FrameBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // Where the border is drawn and where the title is, in the frame's own coordinates.
    QRect borderRect() const;
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui::qt
