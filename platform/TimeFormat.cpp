#include "TimeFormat.h"

#include <QRegularExpression>

TTimeSettings TimeSettingsOf(const QLocale &locale)
{
    // The locale's short format ("h:mm AP", "HH:mm", "H.mm") tells the hour
    // style and the separator; seconds follow the same pattern.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    TTimeSettings settings;
    settings.twelveHour = format.contains(QLatin1String("ap"), Qt::CaseInsensitive);
    settings.leadingZero = format.contains(QLatin1String("hh"), Qt::CaseInsensitive);
    const QRegularExpressionMatch separator =
        QRegularExpression(QStringLiteral("[hH]+([^hHm]*)m")).match(format);
    if (separator.hasMatch() && !separator.captured(1).isEmpty())
        settings.separator = separator.captured(1);
    settings.amMarker = locale.amText();
    settings.pmMarker = locale.pmText();
    return settings;
}

QString LongTimeText(QTime time, const TTimeSettings &settings)
{
    int hour = time.hour();
    if (settings.twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    const QString hours = settings.leadingZero ? QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'))
                                               : QString::number(hour);
    QString text = hours + settings.separator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'))
                   + settings.separator + QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    if (settings.twelveHour)
        text += QLatin1Char(' ') + (time.hour() < 12 ? settings.amMarker : settings.pmMarker);
    return text;
}
