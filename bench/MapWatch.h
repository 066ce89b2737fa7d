#pragma once

#include <QElapsedTimer>
#include <QString>

#include <optional>

#include <xcb/xcb.h>

// Watches an X display for top-level windows being mapped, the moment a
// window appears on the screen. Without a window manager a top-level window
// is mapped straight onto the root window, so the X server's MapNotify on
// the root is that moment, reported as it happens rather than polled.
class TMapWatch {
public:
    explicit TMapWatch(const QString &display);
    ~TMapWatch();

    TMapWatch(const TMapWatch &) = delete;
    TMapWatch &operator=(const TMapWatch &) = delete;

    bool Connected() const { return m_root != XCB_NONE; }

    // Waits until a top-level window of the process `pid` is mapped and
    // gives the clock's reading when the server said so, taken before
    // anything else is asked of it; nothing when no such window is mapped
    // in the time allowed.
    std::optional<qint64> WaitForWindowOf(qint64 pid, const QElapsedTimer &clock, int timeoutMs);

private:
    qint64 WindowPid(xcb_window_t window) const;

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_netWmPid = XCB_NONE;
};
