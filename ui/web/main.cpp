#include "ui/web/form1.h"

#include <emscripten/emscripten.h>

// The page's one window, alive as long as the page.
namespace {

ui::web::Form1& page() {
    static ui::web::Form1 window;
    return window;
}

} // namespace

// The page's script passes every event here: the control's number, or a Language item's event
// with the item's index.
extern "C" EMSCRIPTEN_KEEPALIVE void kolvex_event(int event, int element) {
    page().dispatch(event, element);
}

extern "C" EMSCRIPTEN_KEEPALIVE void kolvex_layout_changed() {
    page().layoutChanged();
}

int main() {
    page().load();
    return 0;
}
