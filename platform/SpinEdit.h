#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

// A numeric spin box: an edit field with up and down arrow buttons at its
// right edge. Its state is its text; the value is read from the text on
// every use, and a text that holds no whole number reads as the minimum.
class TSpinEdit final : public QWidget {
    Q_OBJECT

public:
    TSpinEdit(int minimum, int maximum, QWidget *parent = nullptr);

    QString Text() const { return m_edit.text(); }
    long long Value() const;
    // A text's value: the whole number it holds, or the minimum when it
    // holds none.
    static long long ValueOf(QStringView text, int minimum);
    // Stores the value pulled into the box's range.
    void SetValue(long long value);

    QLineEdit &Edit() { return m_edit; }
    QToolButton &UpButton() { return m_up; }
    QToolButton &DownButton() { return m_down; }

signals:
    // After every change of the text, however it came.
    void Changed();
    // A key the box does not take; the box beeps.
    void KeyRefused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Step(int by);
    bool Accepts(const QKeyEvent &key) const;
    void PullIntoRange();

    const int m_minimum;
    const int m_maximum;
    QLineEdit m_edit;
    QToolButton m_up;
    QToolButton m_down;
};
