#include "tavelo6.h"

#include "Application.h"
#include "Scaling.h"

#include <QCloseEvent>

#include <algorithm>

namespace {

constexpr int kThinnest = 1;
constexpr int kThickest = 10;
const QString kSansSerif = QStringLiteral("MS Sans Serif");

}  // namespace

TForm6::TForm6(QWidget &mainWindow)
    : SpinEdit1(kThinnest, kThickest)
    , m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Tavelo "));
    setFont(DesignFont(kSansSerif, 11, false));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(247, 72);

    Label1.setParent(this);
    Label1.setFont(DesignFont(kSansSerif, 11, true));
    QPalette black = Label1.palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label1.setPalette(black);
    Label1.move(64, 8);
    Label1.SetAutoSize(true);
    Label1.SetCaption(QStringLiteral("Stave width setting:"));

    Label2.setParent(this);
    Label2.move(40, 48);
    Label2.SetAutoSize(true);
    Label2.SetCaption(QStringLiteral("Stave width:"));

    SpinEdit1.setParent(this);
    SpinEdit1.setGeometry(104, 40, 41, 22);
    SpinEdit1.SetValue(2);
    SpinEdit1.Edit().setAccessibleName(QStringLiteral("Stave width in printer pixels"));
    SpinEdit1.UpButton().setAccessibleName(QStringLiteral("Thicker lines"));
    SpinEdit1.DownButton().setAccessibleName(QStringLiteral("Thinner lines"));

    Button1.setParent(this);
    Button1.setText(QStringLiteral("OK"));
    Button1.setGeometry(184, 40, 49, 25);
    Button1.setAutoDefault(true);  // Enter presses OK when it has the focus

    connect(&SpinEdit1, &TSpinEdit::Changed, this, Guarded([this] { SpinEdit1Change(); }));
    connect(&Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));

    FormCreate();
}

void TForm6::FormCreate()
{
    ScaleToScreen(*this, *this);
}

int TForm6::StaveWidth() const
{
    return StaveWidthOf(SpinEdit1.Value());
}

int TForm6::StaveWidthOf(long long boxValue)
{
    return static_cast<int>(std::clamp<long long>(boxValue, kThinnest, kThickest));
}

void TForm6::SpinEdit1Change()
{
    if (SpinEdit1.Value() >= kThickest)
        SpinEdit1.SetValue(kThickest);
}

void TForm6::Button1Click()
{
    m_mainWindow.show();
    m_mainWindow.raise();
    m_mainWindow.activateWindow();
    hide();
}

void TForm6::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Button1.setFocus();
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    CentreOnScreen(*this);
}

// The close box acts as OK, so the program never runs on with no window.
// Like a click on OK, it first takes the focus from the box, which then pulls
// a value outside 1 to 10 back into range.
void TForm6::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Button1.setFocus();
    Button1Click();
}
