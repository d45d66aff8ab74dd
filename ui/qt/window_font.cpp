#include "ui/qt/window_font.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace ui {
namespace {

constexpr auto kWindowFontResource = ":/fonts/RobotoCondensed-Regular.ttf";
// 8 points, as a narrow sans serif is drawn on the platform the layout comes from; every report
// line, entry and caption is measured in it.
constexpr double kWindowFontPoints = 8.0;
constexpr double kCaptionFontPoints = 9.75;

// The font's file is stored uncompressed, so the font database reads it where the program
// already holds it instead of a copy.
QString loadWindowFontFamily() {
    const QResource resource(QString::fromLatin1(kWindowFontResource));
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
            : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

} // namespace

const QFont& windowFont() {
    static const QFont font = [] {
        QFont f(loadWindowFontFamily());
        f.setPointSizeF(kWindowFontPoints);
        return f;
    }();
    return font;
}

void useWindowFont() {
    static const bool done = [] {
        // The menu bar and its menu keep the system's menu font, as menus do on the platform the
        // layout comes from.
        const QFont menuBarFont = QApplication::font("QMenuBar");
        const QFont menuFont = QApplication::font("QMenu");
        QApplication::setFont(windowFont());
        QApplication::setFont(menuBarFont, "QMenuBar");
        QApplication::setFont(menuFont, "QMenu");
        return true;
    }();
    (void)done;
}

const QFont& captionFont() {
    static const QFont font = [] {
        QFont f;
        // The Ming font under its own name and the names it has elsewhere; then a proportional
        // serif for the Latin letters, like the Ming font's own; then the free Ming fonts for
        // the Chinese characters.
        f.setFamilies({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("MingLiU"),
                       QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                       QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif"), QStringLiteral("AR PL UMing TW"),
                       QStringLiteral("AR PL New Sung"), QStringLiteral("Noto Serif CJK TC")});
        f.setPointSizeF(kCaptionFontPoints);
        f.setWeight(QFont::Normal);
        f.setItalic(false);
        f.setUnderline(false);
        f.setStrikeOut(false);
        return f;
    }();
    return font;
}

} // namespace ui
