// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps an owned window off the taskbar and the pager. On X11 the window is given
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER before it is mapped (Qt keeps states
// set there when it maps the window); elsewhere the window system decides from the owner (a
// parent surface on Wayland) and nothing is done.
#pragma once

class QWidget;

namespace taskbar {

// Call while `window` is about to be shown (from its show event), after its native window
// exists.
void KeepOff(QWidget* window);

} // namespace taskbar
