#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// What a person at the keyboard and mouse does and sees on the X display
// named by DISPLAY, by way of xdotool. Windows are xdotool's decimal ids;
// names are matched as xdotool does, by regular expression.
namespace Xdotool {

// Long enough for a loaded two-core machine to start a Qt program.
constexpr int kWaitMs = 20000;

QStringList visibleWindows(const QString &namePattern);
// The one visible window whose name matches, once it is also the active one
// (the one the keyboard reaches).
std::optional<QString> waitForActiveWindow(const QString &namePattern, int timeoutMs = kWaitMs);
// True once no visible window's name matches.
bool waitUntilNoWindow(const QString &namePattern, int timeoutMs = kWaitMs);
// The window's inside (without the window manager's frame) on the screen.
QRect geometry(const QString &window);

// Keys as xdotool names them ("Return", "alt+s", "ctrl+a"), to the window
// that has the focus.
[[nodiscard]] bool key(const QString &keys);
[[nodiscard]] bool type(const QString &text);
[[nodiscard]] bool click(const QString &window, QPoint at);
// The pointer out of the way, so that it lights up nothing.
[[nodiscard]] bool parkPointer();

// Every visible window with its name and geometry, and the active one.
QString describeScreen();

} // namespace Xdotool
