#include "tests/ui/fake_driver.h"

namespace ui::session {

void FakeDriver::apply(const Action& a) {
    if (m_unbound && m_unbound(a)) {
        if (a.kind == Kind::Choose) {
            m_window->view.choose(a.list, a.index); // the list still shows the user's choice
        }
        return;
    }
    testing::FakeWindow& w = *m_window;
    switch (a.kind) {
    case Kind::Model:
        return w.clickModel(static_cast<std::int16_t>(a.index));
    case Kind::Mode:
        return w.clickMode(static_cast<std::int16_t>(a.index));
    case Kind::Choose:
        return w.choose(a.list, a.index);
    case Kind::Calculate:
        return w.calculate();
    case Kind::Clear:
        return w.clear();
    case Kind::Language:
        return w.language(static_cast<std::int16_t>(a.index));
    }
}

} // namespace ui::session
