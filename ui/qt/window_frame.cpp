#include "ui/qt/window_frame.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef KOLVEX_HAVE_XCB
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#endif

namespace ui {

#ifdef KOLVEX_HAVE_XCB
namespace {

// How long the window manager gets to answer; it usually does within a millisecond.
constexpr int kAnswerMilliseconds = 200;
constexpr int kPollMilliseconds = 2;

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The atoms of these names, asked for together: one round trip for all of them.
template <std::size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t* connection, const std::array<std::string_view, N>& names) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names[i].size()), names[i].data());
    }
    std::array<xcb_atom_t, N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
        result[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }
    return result;
}

// The 32-bit values of a window's property; empty where it has none.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type) {
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

} // namespace

std::optional<QMargins> expectedFrame(QWidget& window) {
    // Only the X11 plugin draws on the X server; the offscreen one may offer the interface too.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const auto [request, extents, supportedAtom] =
        atoms<3>(connection, {"_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS", "_NET_SUPPORTED"});
    // The screens whose window manager tells a frame's size. Asked before the window is made:
    // without a window manager the window is made only when it is shown, as it would be anyway.
    std::vector<xcb_window_t> telling;
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem > 0; xcb_screen_next(&screen)) {
        const std::vector<std::uint32_t> supported =
            property(connection, screen.data->root, supportedAtom, XCB_ATOM_ATOM);
        if (std::find(supported.begin(), supported.end(), request) != supported.end()) {
            telling.push_back(screen.data->root);
        }
    }
    if (telling.empty()) {
        return std::nullopt; // no window manager, or one that does not tell
    }

    const auto native = static_cast<xcb_window_t>(window.winId());
    const Owned<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, native), nullptr), &std::free);
    if (!geometry || std::find(telling.begin(), telling.end(), geometry->root) == telling.end()) {
        return std::nullopt;
    }
    const xcb_window_t root = geometry->root;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = native;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    for (int waited = 0; waited <= kAnswerMilliseconds; waited += kPollMilliseconds) {
        const std::vector<std::uint32_t> frame = property(connection, native, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4) {
            // Left, right, top, bottom, in device pixels.
            const qreal ratio = window.devicePixelRatioF();
            const auto logical = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
            return QMargins(logical(frame[0]), logical(frame[2]), logical(frame[1]), logical(frame[3]));
        }
        QThread::msleep(kPollMilliseconds);
    }
    return std::nullopt;
}

#else

std::optional<QMargins> expectedFrame(QWidget&) {
    return std::nullopt;
}

#endif

} // namespace ui
