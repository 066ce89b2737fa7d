#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <optional>

// A private X display for the tests to run the real program on: Xvfb on a
// display number nobody uses, with openbox managing it, since without a
// window manager the keyboard focus does not return to a window after a
// dialog on top of it closes. start() points DISPLAY at it for this process
// and everything it starts; the destructor stops both servers and puts
// DISPLAY back.
class XDisplay
{
public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;

    XDisplay() = default;
    ~XDisplay();

    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    // Returns an empty string once the display and its window manager
    // answer, or what went wrong.
    [[nodiscard]] QString start();
    QString name() const;

private:
    bool startServer(int number);
    [[nodiscard]] bool startWindowManager();
    void stop();

    int number_ = -1;
    QProcess xvfb_;
    QProcess openbox_;
    std::optional<QByteArray> savedDisplay_;
    bool displaySet_ = false;
};
