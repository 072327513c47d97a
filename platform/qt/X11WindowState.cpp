// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/X11WindowState.h"

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace platform::qt {
namespace {

xcb_connection_t *Connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

std::vector<xcb_atom_t> States(xcb_connection_t *c, xcb_window_t w)
{
    const auto cookie = xcb_get_property(c, 0, w, Atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM)
        return {};
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    return { atoms, atoms + xcb_get_property_value_length(reply.get()) / 4 };
}

bool Mapped(xcb_connection_t *c, xcb_window_t w)
{
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr), &std::free);
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

xcb_window_t Root(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A shown window asks the window manager (a client message to the root); a window not shown yet
// carries the state in its property, which the window manager reads when it maps the window.
void Apply(QWidget *window, bool skip)
{
    xcb_connection_t *c = Connection();
    if (!c || !window->windowHandle())
        return;
    const auto w = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t both[] = { Atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(c, "_NET_WM_STATE_SKIP_PAGER") };
    if (Mapped(c, w)) {
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = Atom(c, "_NET_WM_STATE");
        event.data.data32[0] = skip ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
        event.data.data32[1] = both[0];
        event.data.data32[2] = both[1];
        event.data.data32[3] = 1; // from an application
        xcb_send_event(c,
            0,
            Root(c),
            XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
            reinterpret_cast<const char *>(&event));
    } else {
        std::vector<xcb_atom_t> states = States(c, w);
        std::erase_if(states, [&](xcb_atom_t a) { return a == both[0] || a == both[1]; });
        if (skip)
            states.insert(states.end(), std::begin(both), std::end(both));
        xcb_change_property(c,
            XCB_PROP_MODE_REPLACE,
            w,
            Atom(c, "_NET_WM_STATE"),
            XCB_ATOM_ATOM,
            32,
            static_cast<std::uint32_t>(states.size()),
            states.data());
    }
    xcb_flush(c);
}

// Puts the state back before each showing: a window manager drops _NET_WM_STATE when a window is
// withdrawn, and Qt keeps the atoms it finds on a window it is about to map.
class Keeper : public QObject
{
public:
    static constexpr const char *kName = "orloSkipTaskbar";

    Keeper(QWidget *window, bool skip)
        : QObject(window)
        , m_skip(skip)
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
    }
    void set(bool skip) { m_skip = skip; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            Apply(static_cast<QWidget *>(watched), m_skip);
        return false;
    }

private:
    bool m_skip;
};

// Qt trusts the position in a configure event sent by another client (the window manager's, after a
// move) and asks the X server only for real ones. For the program's top-level windows the mark of a
// sent event is taken off, so Qt asks the server each time.
class TruePositions final : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        auto *event = static_cast<xcb_generic_event_t *>(message);
        constexpr std::uint8_t kSent = 0x80;
        if ((event->response_type & ~kSent) != XCB_CONFIGURE_NOTIFY || !(event->response_type & kSent))
            return false;
        const auto *configure = reinterpret_cast<const xcb_configure_notify_event_t *>(event);
        const auto windows = QGuiApplication::topLevelWindows();
        const bool ours = std::any_of(windows.begin(), windows.end(), [configure](const QWindow *w) {
            return w->handle() && static_cast<xcb_window_t>(w->winId()) == configure->window;
        });
        if (ours)
            event->response_type &= static_cast<std::uint8_t>(~kSent);
        return false;
    }
};

} // namespace

void KeepWindowPositionsTrue()
{
    if (!Connection())
        return;
    static TruePositions filter;
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}

bool SetSkipTaskbar(QWidget *window, bool skip)
{
    if (!window || !Connection())
        return false;
    // The one keeper of the window, found by name: it has no meta-object of its own to cast by.
    if (auto *keeper = window->findChild<QObject *>(QLatin1String(Keeper::kName), Qt::FindDirectChildrenOnly))
        static_cast<Keeper *>(keeper)->set(skip);
    else
        new Keeper(window, skip);
    // A window not made yet gets the state from its keeper when it shows: making its native window
    // here would only have it made again when it is framed at its stored corner.
    Apply(window, skip);
    return true;
}

bool QtFrames::askable() const
{
    return Connection() != nullptr;
}

std::optional<QRect> FrameRect(const QWidget *window)
{
    xcb_connection_t *c = Connection();
    if (!c || !window || !window->windowHandle() || !window->isVisible())
        return std::nullopt;
    const auto w = static_cast<xcb_window_t>(window->winId());
    const auto cookie = xcb_get_property(c, 0, w, Atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> extents(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!extents || extents->format != 32 || xcb_get_property_value_length(extents.get()) != 16)
        return std::nullopt;
    const auto *e = static_cast<const std::uint32_t *>(xcb_get_property_value(extents.get()));
    // Whatever a window manager writes here, no sane frame is wider than this.
    if (std::any_of(e, e + 4, [](std::uint32_t v) { return v > 1000; }))
        return std::nullopt;
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, Root(c), 0, 0), nullptr),
        &std::free);
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr), &std::free);
    if (!at || !size)
        return std::nullopt;
    const QRect device = QRect(at->dst_x, at->dst_y, size->width, size->height)
                             .marginsAdded(QMargins(static_cast<int>(e[0]),
                                 static_cast<int>(e[2]),
                                 static_cast<int>(e[1]),
                                 static_cast<int>(e[3])));
    const qreal dpr = window->devicePixelRatioF();
    return QRect(qRound(device.x() / dpr),
        qRound(device.y() / dpr),
        qRound(device.width() / dpr),
        qRound(device.height() / dpr));
}

std::optional<QPoint> ClientOrigin(const QWidget *window)
{
    xcb_connection_t *c = Connection();
    if (!c || !window || !window->windowHandle())
        return std::nullopt;
    const auto w = static_cast<xcb_window_t>(window->winId());
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, Root(c), 0, 0), nullptr),
        &std::free);
    if (!at)
        return std::nullopt;
    const qreal dpr = window->devicePixelRatioF();
    return QPoint(qRound(at->dst_x / dpr), qRound(at->dst_y / dpr));
}

bool SkipsTaskbar(const QWidget *window)
{
    xcb_connection_t *c = Connection();
    if (!c || !window || !window->windowHandle())
        return false;
    const auto states = States(c, static_cast<xcb_window_t>(window->winId()));
    return std::find(states.begin(), states.end(), Atom(c, "_NET_WM_STATE_SKIP_TASKBAR")) != states.end();
}

} // namespace platform::qt
