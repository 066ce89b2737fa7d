#pragma once

#include <QStringView>

#include <optional>

// The whole number a control's text holds: an optional "+" or "-", then the
// digits 0 to 9 and nothing else. Anything else holds no number. A number
// too large for the result is held as the largest (or smallest) one, so that
// it still compares as beyond any bound.
std::optional<long long> ParseWholeNumber(QStringView text);
