// What assistive technology hears of each control: a name that says what it
// is for, and the right role.
#include "GuiTestMain.h"
#include "Printer.h"
#include "Tavelo1.h"
#include "tavelo6.h"

#include <QAccessible>

#include <functional>

namespace {

struct Windows {
    TForm1 form1{Printer()};
    TForm6 form6{form1};
};

using ControlOf = std::function<QObject *(Windows &)>;

}  // namespace

Q_DECLARE_METATYPE(ControlOf)

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void namesAndRoles_data()
    {
        QTest::addColumn<ControlOf>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        auto row = [](const char *tag, ControlOf control, const char *name, QAccessible::Role role) {
            QTest::newRow(tag) << control << QString::fromUtf8(name) << int(role);
        };
        row("counter", [](Windows &w) { return &w.form1.Label2; }, "Number of pages", QAccessible::StaticText);
        row("clock", [](Windows &w) { return &w.form1.Label1; }, "Clock", QAccessible::StaticText);
        row("+", [](Windows &w) { return &w.form1.Button3; }, "One page more", QAccessible::Button);
        row("-", [](Windows &w) { return &w.form1.Button4; }, "One page fewer", QAccessible::Button);
        row("Print", [](Windows &w) { return &w.form1.Button1; }, "Print", QAccessible::Button);
        row("Quit", [](Windows &w) { return &w.form1.Button2; }, "Quit", QAccessible::Button);
        row("page kind", [](Windows &w) { return &w.form1.GroupBox1; }, "Page kind", QAccessible::Grouping);
        row("full score", [](Windows &w) { return &w.form1.RadioButton1; }, "Full Score", QAccessible::RadioButton);
        row("short score", [](Windows &w) { return &w.form1.RadioButton2; }, "Short Score ", QAccessible::RadioButton);
        row("box", [](Windows &w) { return &w.form6.SpinEdit1.Edit(); }, "Stave width in printer pixels", QAccessible::EditableText);
        row("up arrow", [](Windows &w) { return &w.form6.SpinEdit1.UpButton(); }, "Thicker lines", QAccessible::Button);
        row("down arrow", [](Windows &w) { return &w.form6.SpinEdit1.DownButton(); }, "Thinner lines", QAccessible::Button);
        row("OK", [](Windows &w) { return &w.form6.Button1; }, "OK", QAccessible::Button);
    }
    void namesAndRoles()
    {
        QFETCH(ControlOf, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        Windows w;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control(w));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
    }

    // The visible texts stay as they are, the menu keeps its Alt+S.
    void visibleTextsUnchanged()
    {
        Windows w;
        QCOMPARE(w.form1.Button3.text(), QStringLiteral("+"));
        QCOMPARE(w.form1.Button4.text(), QStringLiteral("-"));
        QCOMPARE(w.form1.Button1.text(), QStringLiteral("Print"));
        QCOMPARE(w.form1.Exit1->text(), QStringLiteral("&Stave width setting"));
    }
};

TAVELO_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
