#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// How the user's regional settings write a time of day.
struct TTimeSettings {
    QString separator = QStringLiteral(":");
    bool leadingZero = false;
    bool twelveHour = false;
    QString amMarker;
    QString pmMarker;
};

TTimeSettings TimeSettingsOf(const QLocale &locale);

// The long time: hours (with a leading zero only when the settings ask for
// one), minutes and seconds of two digits, and on a 12-hour clock the
// morning or afternoon marker after a space.
QString LongTimeText(QTime time, const TTimeSettings &settings);
