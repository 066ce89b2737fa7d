// What assistive technology hears of each control: a name that says what it
// is for, and the right role.
#include "GuiTestMain.h"
#include "TestWindows.h"

#include <QAccessible>

#include <functional>

namespace {

using ControlOf = std::function<QObject *(TestWindows &)>;

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
        row("counter", [](TestWindows &w) { return &w.form1.Label2; }, "Number of pages", QAccessible::StaticText);
        row("clock", [](TestWindows &w) { return &w.form1.Label1; }, "Clock", QAccessible::StaticText);
        row("+", [](TestWindows &w) { return &w.form1.Button3; }, "One page more", QAccessible::Button);
        row("-", [](TestWindows &w) { return &w.form1.Button4; }, "One page fewer", QAccessible::Button);
        row("Print", [](TestWindows &w) { return &w.form1.Button1; }, "Print", QAccessible::Button);
        row("Quit", [](TestWindows &w) { return &w.form1.Button2; }, "Quit", QAccessible::Button);
        row("page kind", [](TestWindows &w) { return &w.form1.GroupBox1; }, "Page kind", QAccessible::Grouping);
        row("full score", [](TestWindows &w) { return &w.form1.RadioButton1; }, "Full Score", QAccessible::RadioButton);
        row("short score", [](TestWindows &w) { return &w.form1.RadioButton2; }, "Short Score ", QAccessible::RadioButton);
        row("box", [](TestWindows &w) { return &w.form6.SpinEdit1.Edit(); }, "Stave width in printer pixels", QAccessible::EditableText);
        row("up arrow", [](TestWindows &w) { return &w.form6.SpinEdit1.UpButton(); }, "Thicker lines", QAccessible::Button);
        row("down arrow", [](TestWindows &w) { return &w.form6.SpinEdit1.DownButton(); }, "Thinner lines", QAccessible::Button);
        row("OK", [](TestWindows &w) { return &w.form6.Button1; }, "OK", QAccessible::Button);
    }
    void namesAndRoles()
    {
        QFETCH(ControlOf, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        TestWindows w;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control(w));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
    }

    // The visible texts stay as they are, the menu keeps its Alt+S.
    void visibleTextsUnchanged()
    {
        TestWindows w;
        QCOMPARE(w.form1.Button3.text(), QStringLiteral("+"));
        QCOMPARE(w.form1.Button4.text(), QStringLiteral("-"));
        QCOMPARE(w.form1.Button1.text(), QStringLiteral("Print"));
        QCOMPARE(w.form1.Exit1->text(), QStringLiteral("&Stave width setting"));
    }
};

TAVELO_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
