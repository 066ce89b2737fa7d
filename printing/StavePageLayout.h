#pragma once

#include <cstdint>
#include <vector>

// Where the ruled lines of one manuscript page go. Whole-pixel arithmetic
// only: every factor is an exact decimal, every step rounds half up.

enum class TScoreKind { skFullScore, skShortScore };

struct TStaveLine {
    std::int64_t y;
    std::int64_t leftX;
    std::int64_t rightX;

    friend bool operator==(const TStaveLine &, const TStaveLine &) = default;
};

// A non-negative exact decimal: numerator / 100000.
struct TDecimal {
    std::int64_t hundredThousandths;
};

// Nearest whole number, a half going to the larger one (24.5 -> 25).
std::int64_t RoundHalfUp(TDecimal v);

// Lines of one page, line 1 (the top one) first: 60 for a full score,
// 50 for a short score. width and height are the printable area in device
// pixels; lines that fall below the printable height are still returned.
std::vector<TStaveLine> LayoutStavePage(TScoreKind kind, std::int64_t width, std::int64_t height);
