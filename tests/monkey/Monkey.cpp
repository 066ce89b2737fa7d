#include "Monkey.h"

#include "PageStarts.h"
#include "Printer.h"
#include "Tavelo1.h"
#include "WindowChecks.h"
#include "tavelo6.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <utility>

namespace {

// A run started with more pages than this is not started: the monkey lowers
// the counter instead, so that a whole monkey run prints a few hundred pages.
constexpr int kMostPagesToStart = 6;
// How many of the last events and answers a failure names.
constexpr int kRecentKept = 16;

const QStringList kExpectedMessages{QStringLiteral("Sorry, maximum print run is 500 pages."),
                                    QStringLiteral("Printing in progress.")};

bool Presses(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

Monkey::Monkey(TForm1 &form1, TForm6 &form6, PageStarts &pages, quint32 seed, int events)
    : m_form1(form1)
    , m_form6(form6)
    , m_pages(pages)
    , m_random(seed)
    , m_events(events)
{
}

void Monkey::Start()
{
    QTimer::singleShot(0, this, &Monkey::Tick);
}

// The next tick is asked for before this one acts, so that it comes inside
// whatever event loop this one's event opens: a print run, a print dialog,
// a message box.
void Monkey::Tick()
{
    if (m_stopped)
        return;
    QTimer::singleShot(0, this, &Monkey::Tick);
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal->isVisible())
            Answer(*modal);
        return;
    }
    if (EventsSent())
        return;
    ++m_sent;
    SendRandomEvent();
    for (const QString &broken : BrokenInWindows(m_form1, m_form6) + m_pages.TakeBroken())
        Fail(broken);
}

void Monkey::Answer(QWidget &modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
        const QString text = box->text();
        Log(QStringLiteral("OK to \"%1\"").arg(text));
        ++m_answers[QStringLiteral("message \"%1\"").arg(text)];
        if (!kExpectedMessages.contains(text))
            Fail(QStringLiteral("message box \"%1\"").arg(text));
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    } else if (auto *dialog = qobject_cast<QPrintDialog *>(&modal)) {
        const bool confirm = m_random.bounded(2) == 0;
        const QString answer = confirm ? QStringLiteral("print dialog confirmed") : QStringLiteral("print dialog cancelled");
        Log(answer);
        ++m_answers[answer];
        if (confirm)
            dialog->accept();
        else
            dialog->reject();
    } else {
        Fail(QStringLiteral("modal window \"%1\" (%2)").arg(modal.windowTitle(), QLatin1String(modal.metaObject()->className())));
        modal.close();
    }
}

void Monkey::SendRandomEvent()
{
    const bool mainShown = m_form1.isVisible();
    const bool staveWidthShown = m_form6.isVisible();
    const bool inMain = mainShown && (!staveWidthShown || m_random.bounded(2) == 0);
    // The offscreen platform leaves a window shown in place of the other
    // inactive, where a window manager would activate it; the user's click
    // into it does the same.
    QWidget &window = inMain ? static_cast<QWidget &>(m_form1) : m_form6;
    if (!window.isActiveWindow() && m_random.bounded(2) == 0) {
        Log(QStringLiteral("activate \"%1\"").arg(window.windowTitle()));
        window.activateWindow();
        return;
    }
    const int roll = m_random.bounded(100);
    if (!inMain && roll < 15)
        Paste();
    else if (roll < 60)
        inMain ? ClickInMainWindow() : ClickInStaveWidthWindow();
    else
        PressKey();
}

void Monkey::ClickInMainWindow()
{
    // Above a handful of pages "-" is what the monkey mostly reaches for.
    // Print is pressed rarely, except during a run, where it costs no pages
    // and opens a second dialog over the run.
    const bool many = m_form1.PageCounter() > 5;
    const bool printing = Printer().Printing();
    const std::array<std::pair<QWidget *, int>, 5> targets{{
        {&m_form1.Button3, many ? 6 : 24},
        {&m_form1.Button4, many ? 48 : 18},
        {&m_form1.RadioButton1, 12},
        {&m_form1.RadioButton2, 12},
        {&m_form1.Button1, printing ? 12 : 1},
    }};
    const int menuWeight = 6;
    int total = menuWeight;
    for (const auto &[widget, weight] : targets)
        total += weight;
    int pick = m_random.bounded(total);
    for (const auto &[widget, weight] : targets) {
        if (pick < weight) {
            if (widget == &m_form1.Button1 && PrintWouldStartLongRun())
                ClickAt(m_form1.Button4, QStringLiteral("- instead of Print"));
            else
                ClickAt(*widget, widget->property("text").toString().trimmed());
            return;
        }
        pick -= weight;
    }
    QMenuBar &menuBar = *m_form1.menuBar();
    const QRect action = menuBar.actionGeometry(m_form1.Exit1);
    Log(QStringLiteral("click %1").arg(m_form1.Exit1->text()));
    QTest::mouseClick(&menuBar, Qt::LeftButton, {},
                      action.topLeft() + QPoint(m_random.bounded(action.width()), m_random.bounded(action.height())));
}

void Monkey::ClickInStaveWidthWindow()
{
    switch (m_random.bounded(10)) {
    case 0:
        ClickAt(m_form6.Button1, QStringLiteral("OK"));
        break;
    case 1:
    case 2:
    case 3:
        ClickAt(m_form6.SpinEdit1.UpButton(), QStringLiteral("up arrow"));
        break;
    case 4:
    case 5:
    case 6:
        ClickAt(m_form6.SpinEdit1.DownButton(), QStringLiteral("down arrow"));
        break;
    default:
        ClickAt(m_form6.SpinEdit1.Edit(), QStringLiteral("stave width box"));
        break;
    }
}

void Monkey::ClickAt(QWidget &widget, const QString &name)
{
    const QPoint at(m_random.bounded(widget.width()), m_random.bounded(widget.height()));
    Log(QStringLiteral("click %1 at %2,%3").arg(name).arg(at.x()).arg(at.y()));
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
}

// To whatever has the focus, as the keyboard would send it.
void Monkey::PressKey()
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    };
    static const std::array<Key, 14> keys{{
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Up, Qt::NoModifier, "Up"},
        {Qt::Key_Down, Qt::NoModifier, "Down"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Return, Qt::NoModifier, "Return"},
        {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
        {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_S, Qt::AltModifier, "Alt+S"},
        {Qt::Key_0, Qt::NoModifier, "digit"},
        {Qt::Key_A, Qt::NoModifier, "letter"},
    }};
    Key key = keys.at(m_random.bounded(int(keys.size())));
    QString name = QLatin1String(key.name);
    if (key.key == Qt::Key_0) {
        key.key = Qt::Key(Qt::Key_0 + m_random.bounded(10));
        name = QChar(key.key);
    } else if (key.key == Qt::Key_A) {
        key.key = Qt::Key(Qt::Key_A + m_random.bounded(26));
        name = QChar(key.key).toLower();
    }

    // With no window active the keyboard still reaches the shown window.
    QWidget *target = QApplication::focusWidget();
    if (!target || !target->isVisible()) {
        QWidget &window = m_form1.isVisible() ? static_cast<QWidget &>(m_form1) : m_form6;
        target = window.focusWidget() ? window.focusWidget() : &window;
    }
    // Quit is left out; Print is kept to short runs.
    if (target == &m_form1.Button2 && Presses(key.key)) {
        key = {Qt::Key_Tab, Qt::NoModifier, "Tab"};
        name = QStringLiteral("Tab instead of Quit");
    }
    if (target == &m_form1.Button1 && Presses(key.key) && PrintWouldStartLongRun()) {
        ClickAt(m_form1.Button4, QStringLiteral("- instead of Print"));
        return;
    }
    Log(QStringLiteral("key %1 to %2").arg(name, QLatin1String(target->metaObject()->className()) + QLatin1Char(' ')
                                                      + (target->property("text").toString().trimmed())));
    QTest::keyClick(target, key.key, key.modifiers);
}

void Monkey::Paste()
{
    QLineEdit &edit = m_form6.SpinEdit1.Edit();
    ClickAt(edit, QStringLiteral("stave width box"));
    if (m_random.bounded(2) == 0) {
        Log(QStringLiteral("key Ctrl+A"));
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    }
    const QString text = RandomText();
    Log(QStringLiteral("paste \"%1\"").arg(text));
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

bool Monkey::PrintWouldStartLongRun() const
{
    return !Printer().Printing() && m_form1.PageCounter() > kMostPagesToStart;
}

// Mostly digits and signs, sometimes too many of them, with what else a
// clipboard may hold: letters, spaces, a decimal point, digits of other scripts.
QString Monkey::RandomText()
{
    static const QString characters = QStringLiteral("01234567890123456789+-+-., xZ%\u0663\uff13\u00a0");
    QString text;
    const int length = m_random.bounded(13);
    for (int i = 0; i < length; ++i)
        text.append(characters.at(m_random.bounded(int(characters.size()))));
    return text;
}

void Monkey::Log(const QString &what)
{
    m_recent.append(QStringLiteral("#%1 %2").arg(m_sent).arg(what));
    if (m_recent.size() > kRecentKept)
        m_recent.removeFirst();
}

void Monkey::Fail(const QString &what)
{
    m_failures.append(QStringLiteral("after event %1: %2; last events: %3").arg(m_sent).arg(what, m_recent.join(QStringLiteral(" | "))));
    m_sent = m_events;
}
