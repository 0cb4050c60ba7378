// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame/TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(CRESSELLE_HAVE_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>
#endif

namespace taskbar {

#if defined(CRESSELLE_HAVE_XCB) && QT_CONFIG(xcb)
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

void KeepOff(QWidget* window) {
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipPager = Atom(connection, "_NET_WM_STATE_SKIP_PAGER");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE || skipPager == XCB_ATOM_NONE)
        return;
    // The states already there stay (at most 32 of them are kept).
    std::vector<xcb_atom_t> states;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 32);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->type == XCB_ATOM_ATOM && reply->format == 32) {
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            for (int i = 0; i < count && i < 32; ++i)
                if (atoms[i] != skipTaskbar && atoms[i] != skipPager) states.push_back(atoms[i]);
        }
        std::free(reply);
    }
    states.push_back(skipTaskbar);
    states.push_back(skipPager);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}
#else
void KeepOff(QWidget*) {}
#endif

} // namespace taskbar
