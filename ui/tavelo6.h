#pragma once

#include "Label.h"
#include "SpinEdit.h"

#include <QPushButton>
#include <QWidget>

// The stave width window: the thickness, in printer pixels, of every line a
// print run draws. Shown in place of the main window, left with OK.
class TForm6 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm6(QWidget &mainWindow);

    // The line width a print run uses: the box's value, never outside 1 to 10.
    int StaveWidth() const;
    static int StaveWidthOf(long long boxValue);

    TLabel Label1;
    TLabel Label2;
    TSpinEdit SpinEdit1;
    QPushButton Button1;

    void FormCreate();
    void SpinEdit1Change();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget &m_mainWindow;
    bool m_shownBefore = false;
};
