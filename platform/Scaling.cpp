#include "Scaling.h"

#include <QFont>
#include <QGuiApplication>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace {

constexpr int kDesignScreenWidth = 640;
constexpr int kPointsPerInch = 72;

void ScaleFont(QWidget &widget, int m, int d, int pixelsPerInch)
{
    if (!widget.testAttribute(Qt::WA_SetFont) || widget.font().pixelSize() <= 0)
        return;
    QFont font = widget.font();
    font.setPixelSize(ScaledFontPixelHeight(font.pixelSize(), m, d, pixelsPerInch));
    widget.setFont(font);
}

// Controls inside controls (radio buttons in a group box) scale the same way,
// relative to their own parent.
void ScaleControls(QWidget &parent, int m, int d, int pixelsPerInch)
{
    for (QWidget *control : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        control->setGeometry(ScaledGeometry(control->geometry(), m, d));
        ScaleFont(*control, m, d, pixelsPerInch);
        ScaleControls(*control, m, d, pixelsPerInch);
    }
}

}  // namespace

int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::llabs(denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect ScaledGeometry(const QRect &geometry, int m, int d)
{
    const int left = MulDiv(geometry.x(), m, d);
    const int top = MulDiv(geometry.y(), m, d);
    const int right = MulDiv(geometry.x() + geometry.width(), m, d);
    const int bottom = MulDiv(geometry.y() + geometry.height(), m, d);
    return QRect(left, top, right - left, bottom - top);
}

int ScaledFontPixelHeight(int pixelHeight, int m, int d, int pixelsPerInch)
{
    const int points = MulDiv(pixelHeight, kPointsPerInch, pixelsPerInch);
    const int scaledPoints = MulDiv(points, m, d);
    return MulDiv(scaledPoints, pixelsPerInch, kPointsPerInch);
}

void ScaleToScreen(QWidget &window, QWidget &clientArea)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int m = screen->geometry().width();
    const int d = kDesignScreenWidth;
    const int pixelsPerInch = qRound(screen->logicalDotsPerInchY());

    ScaleControls(clientArea, m, d, pixelsPerInch);
    ScaleFont(window, m, d, pixelsPerInch);
    const QSize client(MulDiv(clientArea.width(), m, d), MulDiv(clientArea.height(), m, d));
    clientArea.resize(client);
    // The menu bar sits above the client area, outside it.
    const auto *mainWindow = qobject_cast<QMainWindow *>(&window);
    const int menuHeight = mainWindow && mainWindow->menuWidget() ? mainWindow->menuWidget()->sizeHint().height() : 0;
    window.resize(client.width(), client.height() + menuHeight);
}

QFont DesignFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    window.move(screen.x() + (screen.width() - frame.width()) / 2, screen.y() + (screen.height() - frame.height()) / 2);
}
