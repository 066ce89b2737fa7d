// The yardstick for start-up: the least a Qt widgets program does to put a
// window on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.show();
    return application.exec();
}
