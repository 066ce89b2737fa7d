#pragma once

#include "Label.h"
#include "PrintDialog.h"
#include "StavePageLayout.h"

#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class TForm6;
class TPrinter;

// The main window: the page counter, the page kind, the clock, Print and Quit,
// and the way to the stave width window.
class TForm1 final : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(TPrinter &printer);

    void SetStaveWidthWindow(TForm6 &staveWidthWindow) { m_staveWidthWindow = &staveWidthWindow; }

    // What a print run reads while it goes on.
    int PageCounter() const;
    // The counter's text as a number: 1 when it holds none, and never
    // beyond what an int holds.
    static int PageCounterOf(QStringView text);
    TScoreKind ScoreKind() const;

    QWidget Client;
    QFrame Bevel1;
    TLabel Label3;
    QGroupBox GroupBox1;
    QRadioButton RadioButton1;
    QRadioButton RadioButton2;
    TLabel Label2;
    QPushButton Button3;
    QPushButton Button4;
    QPushButton Button1;
    QPushButton Button2;
    TLabel Label1;
    TPrintDialog PrintDialog1;
    QTimer Timer1;
    QAction *Exit1 = nullptr;

    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Timer1Timer();
    void Exit1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void SetPageCounter(int pages);
    void KeepCheckedKindTabStop();
    void ShowRunProgress();

    TPrinter &m_printer;
    TForm6 *m_staveWidthWindow = nullptr;
    bool m_shownBefore = false;
    int m_pageInProgress = 0;  // 0 while no run is going
};
