#include "StavePageLayout.h"

namespace {

// Layout factors in hundred-thousandths of a page dimension.
constexpr std::int64_t kLeftEnd = 7500;     // 0.075 of the width
constexpr std::int64_t kRightEnd = 95000;   // 0.95 of the width
constexpr std::int64_t kFirstLine = 6000;   // 0.06 of the height
constexpr std::int64_t kLineStep = 875;     // 0.00875 of the height
constexpr std::int64_t kStaveGap = 3500;    // 0.035 of the height
constexpr std::int64_t kPairGap = 7000;     // 0.07 of the height

constexpr int kLinesPerStave = 5;

std::int64_t Fraction(std::int64_t dimension, std::int64_t factor)
{
    return RoundHalfUp(TDecimal{dimension * factor});
}

}  // namespace

std::int64_t RoundHalfUp(TDecimal v)
{
    return (v.hundredThousandths + 50000) / 100000;
}

std::vector<TStaveLine> LayoutStavePage(TScoreKind kind, std::int64_t width, std::int64_t height)
{
    const bool shortScore = kind == TScoreKind::skShortScore;
    const int lineCount = shortScore ? 50 : 60;

    const std::int64_t leftX = Fraction(width, kLeftEnd);
    const std::int64_t rightX = Fraction(width, kRightEnd);

    // y is always whole, so rounding y + H*f equals y plus H*f rounded:
    // each step is a whole-pixel amount fixed for the page.
    const std::int64_t step = Fraction(height, kLineStep);
    const std::int64_t staveGap = Fraction(height, kStaveGap);
    const std::int64_t pairGap = Fraction(height, kPairGap);

    std::vector<TStaveLine> lines;
    lines.reserve(lineCount);

    std::int64_t y = Fraction(height, kFirstLine);
    lines.push_back({y, leftX, rightX});
    for (int k = 2; k <= lineCount; ++k) {
        y += step;
        lines.push_back({y, leftX, rightX});
        if (k == lineCount)
            break;
        if (k % (2 * kLinesPerStave) == 0)
            y += shortScore ? pairGap : staveGap;
        else if (k % kLinesPerStave == 0)
            y += staveGap;
    }
    return lines;
}
