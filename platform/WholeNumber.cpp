#include "WholeNumber.h"

#include <limits>

std::optional<long long> ParseWholeNumber(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;

    constexpr long long kMost = std::numeric_limits<long long>::max();
    long long magnitude = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        magnitude = magnitude > (kMost - digit) / 10 ? kMost : magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}
