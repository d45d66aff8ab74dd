#pragma once

#include <QMessageBox>

class QLabel;

namespace ui::qt {

// The missing-item message: modal, one OK button without an icon, no icon of its own. It is wide
// enough for a window manager to show its whole title beside the title bar's buttons, and its
// text is centred between equal margins.
class MessageBox final : public QMessageBox {
public:
    MessageBox(const QString& title, const QString& text, QWidget* parent);

    // The narrowest width at which common window managers show the whole title.
    int titleBarWidth() const;

    // The label the box shows its text in.
    QLabel* textLabel() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace ui::qt
