#pragma once

#include <QProcess>
#include <QString>

// An X server of the benchmark's own (Xvfb) on a display number it picks
// itself, with no window manager: nothing on it but the windows measured.
class TVirtualDisplay {
public:
    TVirtualDisplay();
    ~TVirtualDisplay();

    TVirtualDisplay(const TVirtualDisplay &) = delete;
    TVirtualDisplay &operator=(const TVirtualDisplay &) = delete;

    // ":N", or empty when the server did not come up.
    QString Name() const { return m_name; }

private:
    QProcess m_server;
    QString m_name;
};
