#include "SpinEdit.h"

#include "WholeNumber.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kMostCharacters = 10;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

void SetUpArrowButton(QToolButton &button, Qt::ArrowType arrow)
{
    button.setArrowType(arrow);
    button.setFocusPolicy(Qt::NoFocus);  // clicking an arrow leaves the focus where it is
    button.setAutoRepeat(true);
    button.setAutoRepeatDelay(kRepeatDelayMs);
    button.setAutoRepeatInterval(kRepeatIntervalMs);
}

}  // namespace

TSpinEdit::TSpinEdit(int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_edit(this)
    , m_up(this)
    , m_down(this)
{
    setFocusPolicy(Qt::NoFocus);
    m_edit.setMaxLength(kMostCharacters);
    m_edit.setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    m_edit.installEventFilter(this);
    SetUpArrowButton(m_up, Qt::UpArrow);
    SetUpArrowButton(m_down, Qt::DownArrow);

    connect(&m_edit, &QLineEdit::textChanged, this, &TSpinEdit::Changed);
    connect(&m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(&m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(this, &TSpinEdit::KeyRefused, this, &QApplication::beep);
}

long long TSpinEdit::Value() const
{
    return ValueOf(m_edit.text(), m_minimum);
}

long long TSpinEdit::ValueOf(QStringView text, int minimum)
{
    return ParseWholeNumber(text).value_or(minimum);
}

void TSpinEdit::SetValue(long long value)
{
    m_edit.setText(QString::number(std::clamp<long long>(value, m_minimum, m_maximum)));
}

void TSpinEdit::Step(int by)
{
    SetValue(std::clamp<long long>(Value(), m_minimum, m_maximum) + by);
}

void TSpinEdit::PullIntoRange()
{
    if (ParseWholeNumber(m_edit.text()) && (Value() < m_minimum || Value() > m_maximum))
        SetValue(Value());
}

// Digits, signs, the decimal separator and control keys other than Enter.
bool TSpinEdit::Accepts(const QKeyEvent &key) const
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return false;
    const QString text = key.text();
    if (text.isEmpty() || text.front().isNull() || text.front().category() == QChar::Other_Control)
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    if (text.size() == 1 && ((text.front() >= u'0' && text.front() <= u'9') || text.front() == u'+' || text.front() == u'-'))
        return true;
    return text == QLocale().decimalPoint();
}

bool TSpinEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_edit)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
            Step(key.key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || Accepts(key))
            return false;
        emit KeyRefused();
        return true;
    }
    case QEvent::FocusIn:
        if (static_cast<const QFocusEvent &>(*event).reason() != Qt::MouseFocusReason)
            QTimer::singleShot(0, &m_edit, &QLineEdit::selectAll);
        return false;
    case QEvent::FocusOut:
        PullIntoRange();
        return false;
    default:
        return false;
    }
}

void TSpinEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int buttonWidth = std::max(12, height() * 2 / 3);
    const int upHeight = height() / 2;
    m_edit.setGeometry(0, 0, width(), height());
    m_edit.setTextMargins(0, 0, buttonWidth, 0);
    m_up.setGeometry(width() - buttonWidth, 0, buttonWidth, upHeight);
    m_down.setGeometry(width() - buttonWidth, upHeight, buttonWidth, height() - upHeight);
}
