#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <optional>

namespace kolvex_test {

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    bool iconPixmapIsNull;
    QList<QMessageBox::StandardButton> buttons;
};

// Fails the running test when a modal dialog comes up that the test did not announce, and closes
// it so that the run goes on instead of waiting for a click that never comes. A test that
// expects the message box announces it; the guard notes what the box shows and presses OK.
class ModalGuard {
public:
    ModalGuard();

    void expectMessage() { m_expected = true; }
    // What the announced box showed, if it came; either way the announcement ends.
    std::optional<SeenMessage> takeSeen();

private:
    void check();

    QTimer m_timer;
    bool m_expected = false;
    std::optional<SeenMessage> m_seen;
};

} // namespace kolvex_test
