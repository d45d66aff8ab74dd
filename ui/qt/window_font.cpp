#include "ui/qt/window_font.h"

#include "ui/window_layout.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace ui::qt {
namespace {

constexpr auto kWindowFontResource = ":/fonts/RobotoCondensed-Regular.ttf";

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
        f.setPointSizeF(layout::kWindowFontPoints);
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
        QStringList families;
        for (const std::string_view family : layout::kCaptionFontFamilies) {
            families.append(QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())));
        }
        f.setFamilies(families);
        f.setPointSizeF(layout::kCaptionFontPoints);
        f.setWeight(QFont::Normal);
        f.setItalic(false);
        f.setUnderline(false);
        f.setStrikeOut(false);
        return f;
    }();
    return font;
}

} // namespace ui::qt
