#include "ui/qt/message_box.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include <algorithm>

namespace ui::qt {
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
    if (QLabel* label = textLabel()) {
        label->setAlignment(Qt::AlignCenter);
    }
    // The box takes its width from its layout: the row of its text is made at least as wide as the
    // title bar needs.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const QMargins margins = grid->contentsMargins();
        grid->addItem(new QSpacerItem(titleBarWidth() - margins.left() - margins.right(), 0), 0, 0, 1,
                      grid->columnCount());
    }
}

int MessageBox::titleBarWidth() const {
    QFont titleFont;
    titleFont.setBold(true);
    titleFont.setPointSizeF(kTitleFontPoints);
    return QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons;
}

QLabel* MessageBox::textLabel() const {
    const QList<QLabel*> labels = findChildren<QLabel*>();
    const auto shown = std::find_if(labels.begin(), labels.end(), [this](QLabel* l) { return l->text() == text(); });
    return shown != labels.end() ? *shown : nullptr;
}

void MessageBox::resizeEvent(QResizeEvent* event) {
    QMessageBox::resizeEvent(event);
    // The layout keeps a column for the icon the box does not have, which would push the text
    // right; an inner margin on the label's other side centres the text in the box.
    QLabel* label = textLabel();
    if (label == nullptr) {
        return;
    }
    const QMargins before = label->contentsMargins();
    const int offCentre = label->x() + label->geometry().right() + 1 - width(); // twice the text's shift
    const QMargins after(std::max(-offCentre, 0), 0, std::max(offCentre, 0), 0);
    if (after != before) {
        label->setContentsMargins(after);
    }
}

} // namespace ui::qt
