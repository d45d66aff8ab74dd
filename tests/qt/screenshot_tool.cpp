// Saves the README's pictures of the window, after the typical use, in English and in Chinese,
// and prints, for every language, how wide each caption is against its control. Run under a real
// X server so that the pictures show what a desktop shows:
//   xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb build-qt/tests/qt/kolvex-screenshots docs
// It also saves the five languages side by side in time mode with the widest values a report
// shows (4CH, PAL, LOW, the longest resolution, 1/999, 750G: 312076.1905 hours). With a second
// folder it also saves the window in every language there, to look the captions over.
#include "lang/language_texts.h"
#include "tests/qt/caption_fit.h"
#include "tests/qt/window_driver.h"
#include "ui/qt/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstddef>
#include <cstdio>

namespace {

bool save(QWidget& window, const QString& path) {
    QTest::qWait(200); // lets the re-captioned controls repaint
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qUtf8Printable(path));
    return saved;
}

// The window in time mode with the largest numbers and the longest list texts, in every language,
// two windows a row.
bool saveEveryLanguage(QWidget& window, const QString& path) {
    using namespace kolvex_test;
    clickOption(window, QStringLiteral("Option2_1"));
    clickOption(window, QStringLiteral("Option1_1"));
    chooseEntry(window, QStringLiteral("Combo1"), QStringLiteral("PAL"));
    chooseEntry(window, QStringLiteral("Combo2"), QStringLiteral("LOW"));
    auto* resolutions = control<QComboBox>(window, QStringLiteral("Combo3"));
    QString longest;
    for (int i = 0; i < resolutions->count(); ++i) {
        longest = resolutions->itemText(i).size() > longest.size() ? resolutions->itemText(i) : longest;
    }
    chooseEntry(window, QStringLiteral("Combo3"), longest);
    chooseEntry(window, QStringLiteral("Combo4"), QStringLiteral("1/999"));
    chooseEntry(window, QStringLiteral("Combo6"), QStringLiteral("750G"));
    QList<QImage> shots;
    for (int language = 0; language < static_cast<int>(lang::kLanguageNames.size()); ++language) {
        chooseLanguage(window, language);
        clickButton(window, QStringLiteral("Count_BTN"));
        QTest::qWait(200);
        shots.append(window.grab().toImage());
    }
    constexpr int kGap = 8;
    const QSize one = shots.first().size();
    QImage sheet(2 * one.width() + 3 * kGap, 3 * one.height() + 4 * kGap, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(shots.first().devicePixelRatio());
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < static_cast<int>(shots.size()); ++i) {
        const QSizeF size = QSizeF(one) / shots.first().devicePixelRatio();
        painter.drawImage(QPointF(kGap + (i % 2) * (size.width() + kGap), kGap + (i / 2) * (size.height() + kGap)),
                          shots[i]);
    }
    painter.end();
    const bool saved = sheet.save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qUtf8Printable(path));
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QDir docs(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    const QString everyLanguage = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    ui::qt::Form1 window;
    if (!kolvex_test::showWindow(window)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    kolvex_test::runTypicalUse(window);

    int tooNarrow = 0;
    for (int language = 0; language < static_cast<int>(lang::kLanguageNames.size()); ++language) {
        kolvex_test::chooseLanguage(window, language);
        for (const kolvex_test::CaptionFit& fit : kolvex_test::captionFits(window)) {
            const bool fits = fit.needed <= fit.available;
            tooNarrow += fits ? 0 : 1;
            std::printf("%-8s %-10s %3d of %3d px at %3d%% width %s \"%s\"\n",
                        lang::kLanguageNames[static_cast<std::size_t>(language)].data(), qUtf8Printable(fit.control),
                        fit.needed, fit.available, fit.stretch, fits ? "fits     " : "TOO WIDE ",
                        qUtf8Printable(fit.caption));
        }
        if (!everyLanguage.isEmpty()) {
            save(window, QDir(everyLanguage).filePath(QStringLiteral("window-%1.png").arg(language)));
        }
    }

    kolvex_test::chooseLanguage(window, 0);
    bool saved = save(window, docs.filePath(QStringLiteral("window-en.png")));
    kolvex_test::chooseLanguage(window, 1);
    saved = save(window, docs.filePath(QStringLiteral("window-zh.png"))) && saved;
    saved = saveEveryLanguage(window, docs.filePath(QStringLiteral("window-languages.png"))) && saved;
    std::printf("%d caption(s) wider than their control\n", tooNarrow);
    return saved ? 0 : 1;
}
