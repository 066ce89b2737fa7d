// Saves what one window of an X display shows as a PNG:
//   tavelo_grabwindow <window id> <file.png>
// Run with QT_QPA_PLATFORM=xcb and DISPLAY naming the display. The window's
// own pixels are taken, without the window manager's frame and the pointer.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool isNumber = false;
    const WId window = arguments.size() == 3 ? arguments.at(1).toULongLong(&isNumber) : 0;
    if (!isNumber) {
        qCritical("usage: tavelo_grabwindow <window id> <file.png>");
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(arguments.at(2), "PNG")) {
        qCritical("cannot grab window %s into %s", qPrintable(arguments.at(1)), qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
