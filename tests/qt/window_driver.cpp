#include "tests/qt/window_driver.h"

#include "ui/qt/form1.h"
#include "ui/qt/start.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <kolvex/version.h>

namespace kolvex_test {

QString expectedTitle() {
    return QStringLiteral("Kolvex DVR Record time calculator Ver ") +
           QString::fromLatin1(kolvex::kVersion.data(), static_cast<qsizetype>(kolvex::kVersion.size()));
}

QString captionOf(const QWidget* w) {
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) {
        return frame->title();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    return {};
}

bool showWindow(ui::qt::Form1& window) {
    ui::qt::start(window);
    return QTest::qWaitForWindowExposed(&window);
}

bool showActiveWindow(ui::qt::Form1& window) {
    ui::qt::start(window);
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void clickOption(const QWidget& window, const QString& name) {
    auto* option = control<QAbstractButton>(window, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void clickButton(const QWidget& window, const QString& name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

bool chooseEntry(const QWidget& window, const QString& list, const QString& entry) {
    auto* box = control<QComboBox>(window, list);
    const int target = box->findText(entry, Qt::MatchExactly);
    while (target >= 0 && box->currentIndex() != target) {
        const int before = box->currentIndex();
        QTest::keyClick(box, before < target ? Qt::Key_Down : Qt::Key_Up);
        if (box->currentIndex() == before) {
            return false;
        }
    }
    return target >= 0;
}

void chooseLanguage(const QWidget& window, int index) {
    control<QAction>(window, QStringLiteral("Language_%1").arg(index))->trigger();
}

void runTypicalUse(const QWidget& window) {
    clickOption(window, QStringLiteral("Option2_1"));
    clickOption(window, QStringLiteral("Option1_0"));
    chooseEntry(window, QStringLiteral("Combo1"), QStringLiteral("NTSC"));
    chooseEntry(window, QStringLiteral("Combo2"), QStringLiteral("HIGH"));
    chooseEntry(window, QStringLiteral("Combo3"), QStringLiteral("60IPS@720*240"));
    chooseEntry(window, QStringLiteral("Combo4"), QStringLiteral("1/10"));
    chooseEntry(window, QStringLiteral("Combo5"), QStringLiteral("1 Day"));
    clickButton(window, QStringLiteral("Count_BTN"));
}

} // namespace kolvex_test
