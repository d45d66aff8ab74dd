#include "tests/qt/modal_guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace kolvex_test {

ModalGuard::ModalGuard() {
    // A modal dialog runs its own event loop, in which this timer keeps firing.
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { check(); });
    m_timer.start();
}

std::optional<SeenMessage> ModalGuard::takeSeen() {
    m_expected = false;
    return std::exchange(m_seen, std::nullopt);
}

void ModalGuard::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr || !m_expected) {
        ADD_FAILURE() << "unexpected modal dialog \"" << qPrintable(modal->windowTitle()) << "\""
                      << (box != nullptr ? ": " + box->text().toStdString() : std::string());
        modal->close();
        return;
    }
    m_expected = false;
    SeenMessage seen{box->windowTitle(), box->text(), box->icon(), box->iconPixmap().isNull(), {}};
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons.append(box->standardButton(button));
    }
    m_seen = seen;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box->close();
    }
}

} // namespace kolvex_test
