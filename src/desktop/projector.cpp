#include "desktop/projector.h"

#include "lesson/layout.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace godo {

double projectorScale(QSize available, QSize client, QMargins frame)
{
    if (client.isEmpty())
        return 1.0;
    const qint64 roomWidth = available.width() - frame.left() - frame.right();
    const qint64 roomHeight = available.height() - frame.top() - frame.bottom();
    // In quarters, in whole numbers: Qt rounds a scaled size half up, so a
    // size of n + ½ pixels takes n + 1.
    const auto needed = [](int pixels, qint64 quarters) { return (pixels * quarters + 2) / 4; };
    qint64 best = 4;
    for (qint64 q = 5; needed(client.width(), q) <= roomWidth && needed(client.height(), q) <= roomHeight; ++q)
        best = q;
    return static_cast<double>(best) * kProjectorScaleStep;
}

QSize lessonClientSize()
{
    const WindowLayout& layout = windowLayout();
    return {twipsToPixels(layout.width), twipsToPixels(layout.height)};
}

namespace {

// A connection of our own: Qt's reader thread takes every event from its own.
struct Connection {
    xcb_connection_t* c = nullptr;
    int screen = 0;
    Connection() : c(xcb_connect(nullptr, &screen)) {}
    ~Connection() { xcb_disconnect(c); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool ok() const { return xcb_connection_has_error(c) == 0; }
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// A property of 32-bit values (CARDINAL, WINDOW, ATOM); empty when unset.
std::vector<uint32_t> values32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 4096), nullptr), &std::free);
    if (!r || r->format != 32)
        return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    return {data, data + xcb_get_property_value_length(r.get()) / 4};
}

xcb_screen_t* screenOf(const Connection& x)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(x.c));
    for (int i = 0; i < x.screen && it.rem; ++i)
        xcb_screen_next(&it);
    return it.rem ? it.data : nullptr;
}

// An EWMH window manager names a check window on the root that names itself
// again; a stale property left by one that has ended does not.
bool ewmhWindowManagerRunning(xcb_connection_t* c, xcb_window_t root)
{
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> child = values32(c, root, check, XCB_ATOM_WINDOW);
    if (child.empty())
        return false;
    const std::vector<uint32_t> self = values32(c, child.front(), check, XCB_ATOM_WINDOW);
    return !self.empty() && self.front() == child.front();
}

// The frame extents (left, right, top, bottom) that the window manager will
// give a normal window, asked before any window is shown: nothing flickers.
std::optional<QMargins> askFrameExtents(const Connection& x, xcb_screen_t* screen, int timeoutMs)
{
    xcb_connection_t* c = x.c;
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported = values32(c, screen->root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;

    const xcb_window_t window = xcb_generate_id(c);
    const QSize client = lessonClientSize();
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, static_cast<uint16_t>(client.width()),
                      static_cast<uint16_t>(client.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      0, nullptr);
    // The kind of window the lesson is: managers frame dialogs and the like
    // differently.
    const xcb_atom_t normal = atom(c, "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1,
                        &normal);

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    std::optional<QMargins> frame;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const std::vector<uint32_t> v = values32(c, window, extents, XCB_ATOM_CARDINAL);
        if (v.size() >= 4) {
            frame = QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                             static_cast<int>(v[3]));
            break;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(10);
    }
    xcb_destroy_window(c, window);
    xcb_flush(c);
    return frame;
}

// Device pixels to the screen's device-independent ones, rounded up: the
// frame must not come out smaller than it is.
QMargins toIndependent(QMargins m, qreal ratio)
{
    const auto up = [ratio](int v) { return static_cast<int>(std::ceil(v / ratio)); };
    return {up(m.left()), up(m.top()), up(m.right()), up(m.bottom())};
}

} // namespace

WindowFrame windowFrame(int timeoutMs)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {QMargins(), FrameSource::NoWindowManager};
    if (platform != QLatin1String("xcb"))
        return {kFrameAllowance, FrameSource::Allowance};

    const Connection x;
    xcb_screen_t* screen = x.ok() ? screenOf(x) : nullptr;
    if (!screen)
        return {kFrameAllowance, FrameSource::Allowance};
    if (!ewmhWindowManagerRunning(x.c, screen->root))
        return {QMargins(), FrameSource::NoWindowManager};
    if (const std::optional<QMargins> frame = askFrameExtents(x, screen, timeoutMs)) {
        const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
        return {toIndependent(*frame, ratio), FrameSource::Measured};
    }
    return {kFrameAllowance, FrameSource::Allowance};
}

} // namespace godo
