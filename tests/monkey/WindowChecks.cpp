#include "WindowChecks.h"

#include "Printer.h"
#include "Tavelo1.h"
#include "tavelo6.h"

#include <QRegularExpression>

QStringList BrokenInWindows(const TForm1 &form1, const TForm6 &form6)
{
    QStringList broken;
    const QString counter = form1.Label2.text();
    static const QRegularExpression pageCount(QStringLiteral("^[1-9][0-9]{0,2}$"));
    if (!pageCount.match(counter).hasMatch() || counter.toInt() > 500)
        broken.append(QStringLiteral("the counter reads \"%1\"").arg(counter));

    if (form1.RadioButton1.isChecked() == form1.RadioButton2.isChecked())
        broken.append(QStringLiteral("%1 page kinds checked").arg(form1.RadioButton1.isChecked() ? 2 : 0));

    if (!form1.isVisible() && !form6.isVisible())
        broken.append(QStringLiteral("no window shown"));

    // A job is open only inside a run, and a run names its page against the
    // counter as it stands.
    const QString title = form1.windowTitle();
    if (Printer().Printing()) {
        static const QRegularExpression progress(QStringLiteral("^Tavelo - page [1-9][0-9]* of ([0-9]+)$"));
        const QRegularExpressionMatch match = progress.match(title);
        if (!match.hasMatch() || match.captured(1) != counter)
            broken.append(QStringLiteral("title \"%1\" while printing with the counter at %2").arg(title, counter));
    } else if (title != QLatin1String("Tavelo")) {
        broken.append(QStringLiteral("title \"%1\" with no job open").arg(title));
    }
    return broken;
}
