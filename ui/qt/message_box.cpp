#include "ui/qt/message_box.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QLayout>

#include <algorithm>

namespace ui {
namespace {

// Title bars draw their title in a bold sans serif of up to about 11 points, and keep room for
// the window icon and three buttons beside it.
constexpr double kTitleFontPoints = 11.0;
constexpr int kTitleBarButtons = 140; // pixels: icon, minimise, maximise and close, and margins

} // namespace

MessageBox::MessageBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent) {
    setTextFormat(Qt::PlainText);
    // Some platforms put a stock icon on OK; the message has a plain OK button.
    button(QMessageBox::Ok)->setIcon(QIcon());
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setAlignment(Qt::AlignCenter);
    }
}

int MessageBox::titleBarWidth() const {
    QFont titleFont;
    titleFont.setBold(true);
    titleFont.setPointSizeF(kTitleFontPoints);
    return QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons;
}

void MessageBox::resizeEvent(QResizeEvent* event) {
    QMessageBox::resizeEvent(event);
    // The box sets its own fixed size whenever it lays itself out; it is widened after each time.
    if (width() < titleBarWidth()) {
        setFixedWidth(titleBarWidth());
        return; // the resize this causes centres the text
    }
    // The layout keeps a column for the icon the box does not have, which would push the text
    // right; an inner margin on the label's other side centres the text in the box.
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || layout() == nullptr) {
        return;
    }
    const QMargins before = label->contentsMargins();
    const int offCentre = label->x() + label->geometry().right() + 1 - width(); // twice the text's shift
    const QMargins after(std::max(-offCentre, 0), 0, std::max(offCentre, 0), 0);
    if (after != before) {
        label->setContentsMargins(after);
    }
}

} // namespace ui
