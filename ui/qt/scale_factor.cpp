#include "ui/qt/scale_factor.h"

#include "ui/command_line.h"

#include <QByteArray>
#include <QtGlobal>

#include <cmath>

namespace ui::qt {

std::optional<std::string> dropUnusableScaleFactor(std::string_view program) {
    constexpr const char* kVariable = "QT_SCALE_FACTOR";
    if (!qEnvironmentVariableIsSet(kVariable)) {
        return std::nullopt;
    }
    const QByteArray text = qgetenv(kVariable);
    bool isNumber = false;
    const double factor = text.toDouble(&isNumber);
    if (isNumber && std::isfinite(factor) && factor > 0) {
        return std::nullopt;
    }
    qunsetenv(kVariable);
    std::string warning(program);
    warning += ": ignoring QT_SCALE_FACTOR=" + quotable(text.toStdString()) + ": not a positive number";
    return warning;
}

} // namespace ui::qt
