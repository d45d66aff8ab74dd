#include "ui/qt/font_config_preload.h"

#ifdef KOLVEX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <QtGlobal>

#include <algorithm>
#include <array>
#endif

namespace ui {

#ifdef KOLVEX_HAVE_FONTCONFIG
namespace {

// The toolkit removes these from the environment while it opens the display (the launching
// desktop's start-up notice). Fontconfig reads the environment (HOME, XDG_CONFIG_HOME, ...)
// without a lock, so while either is set the reading is done before, not alongside.
constexpr std::array<const char*, 2> kRemovedWhileOpening = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"};

} // namespace
#endif

FontConfigPreload::FontConfigPreload() {
#ifdef KOLVEX_HAVE_FONTCONFIG
    // The toolkit uses the library's current configuration, the one FcInit loads; the toolkit's
    // own FcInit then finds it loaded.
    if (std::any_of(kRemovedWhileOpening.begin(), kRemovedWhileOpening.end(),
                    [](const char* name) { return qEnvironmentVariableIsSet(name); })) {
        FcInit();
    } else {
        m_reader = std::thread([] { FcInit(); });
    }
#endif
}

FontConfigPreload::~FontConfigPreload() {
    wait();
}

void FontConfigPreload::wait() {
    if (m_reader.joinable()) {
        m_reader.join();
    }
}

} // namespace ui
