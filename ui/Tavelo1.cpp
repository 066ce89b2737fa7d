#include "Tavelo1.h"

#include "Application.h"
#include "PageProgress.h"
#include "Printer.h"
#include "PrintRun.h"
#include "MessageBox.h"
#include "Scaling.h"
#include "TimeFormat.h"
#include "WholeNumber.h"
#include "tavelo6.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace {

constexpr int kMaximumPages = 500;
const QString kSansSerif = QStringLiteral("MS Sans Serif");

}  // namespace

TForm1::TForm1(TPrinter &printer)
    : PrintDialog1(printer)
    , m_printer(printer)
{
    BuildControls();
    ConnectHandlers();
    FormCreate();
}

void TForm1::BuildControls()
{
    ShowRunProgress();
    setFont(DesignFont(QStringLiteral("System"), 13, false));
    setBackgroundRole(QPalette::Button);

    Exit1 = menuBar()->addAction(QStringLiteral("&Stave width setting"));
    menuBar()->setObjectName(QStringLiteral("Settings"));
    // The menu bar speaks in the system's menu font, not in the window's.
    menuBar()->setFont(QApplication::font(menuBar()));

    setCentralWidget(&Client);
    Client.resize(442, 156);
    Client.setBackgroundRole(QPalette::Button);
    Client.setAutoFillBackground(true);
    Client.installEventFilter(this);

    Bevel1.setParent(&Client);
    Bevel1.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1.setLineWidth(1);
    Bevel1.setGeometry(0, 0, 442, 156);

    Label3.setParent(&Client);
    Label3.setFont(DesignFont(kSansSerif, 11, true));
    Label3.move(168, 8);
    Label3.SetAutoSize(true);
    Label3.SetCaption(QStringLiteral("Tavelo  V4.0"));

    GroupBox1.setParent(&Client);
    GroupBox1.setFont(DesignFont(kSansSerif, 11, true));
    GroupBox1.setGeometry(24, 24, 137, 81);
    RadioButton1.setParent(&GroupBox1);
    RadioButton1.setText(QStringLiteral("Full Score"));
    RadioButton1.setGeometry(8, 8, 113, 25);
    RadioButton2.setParent(&GroupBox1);
    RadioButton2.setText(QStringLiteral("Short Score "));
    RadioButton2.setGeometry(8, 48, 121, 25);

    Label2.setParent(&Client);
    Label2.setFont(DesignFont(kSansSerif, 24, true));
    Label2.setGeometry(176, 48, 49, 33);
    Label2.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2.setBackgroundRole(QPalette::Window);
    Label2.setAutoFillBackground(true);
    QPalette counterColours = Label2.palette();
    counterColours.setColor(QPalette::Window, Qt::black);
    counterColours.setColor(QPalette::WindowText, Qt::red);
    Label2.setPalette(counterColours);

    const auto placeButton = [this](QPushButton &button, const QString &text, int pixels, QRect geometry) {
        button.setParent(&Client);
        button.setText(text);
        button.setFont(DesignFont(kSansSerif, pixels, true));
        button.setGeometry(geometry);
        button.setAutoDefault(true);  // Enter presses the focused button
        button.installEventFilter(this);
    };
    placeButton(Button3, QStringLiteral("+"), 16, QRect(248, 24, 41, 41));
    placeButton(Button4, QStringLiteral("-"), 24, QRect(248, 72, 41, 41));
    placeButton(Button1, QStringLiteral("Print"), 11, QRect(312, 24, 105, 41));
    placeButton(Button2, QStringLiteral("Quit"), 11, QRect(312, 72, 105, 41));

    Label1.setParent(&Client);
    Label1.setFont(DesignFont(kSansSerif, 11, false));
    Label1.move(339, 128);
    Label1.SetAutoSize(true);

    // What a screen reader says: the purpose where the text alone is a sign.
    Label2.setAccessibleName(QStringLiteral("Number of pages"));
    Label1.setAccessibleName(QStringLiteral("Clock"));
    Button3.setAccessibleName(QStringLiteral("One page more"));
    Button4.setAccessibleName(QStringLiteral("One page fewer"));
    GroupBox1.setAccessibleName(QStringLiteral("Page kind"));

    setTabOrder(&Button1, &Button2);
    setTabOrder(&Button2, &Button3);
    setTabOrder(&Button3, &Button4);
    setTabOrder(&Button4, &RadioButton1);
    setTabOrder(&RadioButton1, &RadioButton2);
    Button1.setFocus();

    Timer1.setInterval(1000);
}

void TForm1::ConnectHandlers()
{
    connect(&Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(&Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(&Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));
    connect(&Button4, &QPushButton::clicked, this, Guarded([this] { Button4Click(); }));
    connect(&Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
    connect(&RadioButton1, &QRadioButton::toggled, this, &TForm1::KeepCheckedKindTabStop);
}

// Of the two kinds only the checked one is a tab stop; the arrow keys move
// between them.
void TForm1::KeepCheckedKindTabStop()
{
    for (QRadioButton *kind : {&RadioButton1, &RadioButton2})
        kind->setFocusPolicy(kind->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TForm1::FormCreate()
{
    ScaleToScreen(*this, Client);
    SetPageCounter(1);
    RadioButton1.setChecked(true);
    Timer1.start();
}

int TForm1::PageCounter() const
{
    return PageCounterOf(Label2.text());
}

int TForm1::PageCounterOf(QStringView text)
{
    const long long pages = ParseWholeNumber(text).value_or(1);
    return static_cast<int>(std::clamp<long long>(pages, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void TForm1::SetPageCounter(int pages)
{
    Label2.SetCaption(QString::number(pages));
    ShowRunProgress();
}

TScoreKind TForm1::ScoreKind() const
{
    return RadioButton2.isChecked() ? TScoreKind::skShortScore : TScoreKind::skFullScore;
}

void TForm1::Button1Click()
{
    m_printer.EnsureSelected();
    if (!PrintDialog1.Execute())
        return;
    const int lineWidth = m_staveWidthWindow->StaveWidth();
    TPageProgress progress(m_printer, [this](int page) {
        m_pageInProgress = page;
        ShowRunProgress();
    });
    RunPrint(progress, [this] { return PageCounter(); }, [this] { return ScoreKind(); }, lineWidth);
}

// The title bar tells how far a run has come, against the counter as it
// stands: there is no room in the window for a progress bar.
void TForm1::ShowRunProgress()
{
    if (m_pageInProgress == 0)
        setWindowTitle(QStringLiteral("Tavelo"));
    else
        setWindowTitle(QStringLiteral("Tavelo - page %1 of %2").arg(m_pageInProgress).arg(PageCounter()));
}

void TForm1::Button2Click()
{
    QApplication::quit();
}

void TForm1::Button3Click()
{
    const int pages = PageCounter();
    if (pages >= kMaximumPages) {
        ShowInformation(QStringLiteral("Sorry, maximum print run is 500 pages."));
        return;
    }
    SetPageCounter(pages + 1);
}

void TForm1::Button4Click()
{
    const int pages = PageCounter();
    if (pages > 1)
        SetPageCounter(pages - 1);
}

void TForm1::Timer1Timer()
{
    Label1.SetCaption(LongTimeText(QTime::currentTime(), TimeSettingsOf(QLocale::system())));
}

void TForm1::Exit1Click()
{
    m_staveWidthWindow->show();
    m_staveWidthWindow->raise();
    m_staveWidthWindow->activateWindow();
    hide();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // The bevel frames the whole client area, whatever the window's size.
    if (watched == &Client && event->type() == QEvent::Resize)
        Bevel1.setGeometry(Client.rect());
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);

    // The arrow keys move the focus between the buttons, as between neighbours.
    const int key = static_cast<QKeyEvent *>(event)->key();
    const QList<QPushButton *> neighbours{&Button1, &Button2, &Button3, &Button4};
    const auto at = neighbours.indexOf(qobject_cast<QPushButton *>(watched));
    if (at < 0)
        return false;
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right)
        step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left)
        step = neighbours.size() - 1;
    if (step == 0)
        return false;
    neighbours.at((at + step) % neighbours.size())->setFocus(Qt::TabFocusReason);
    return true;
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    CentreOnScreen(*this);
}
