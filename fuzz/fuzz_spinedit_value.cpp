// Fuzzes the stave width box: its text to a value, and that value to the line
// width a print run uses.
#include "FuzzTexts.h"
#include "Mismatch.h"
#include "WholeNumberOracle.h"

#include "SpinEdit.h"
#include "tavelo6.h"

#include <QString>

#include <cstring>

namespace {

// The stave width box's own minimum: what a text without a number reads as.
constexpr int kBoxMinimum = 1;

long long StaveWidthOracle(long long value)
{
    if (value < 1)
        return 1;
    if (value > 10)
        return 10;
    return value;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const std::u16string &text : FuzzTexts(data, size)) {
        const long long value = TSpinEdit::ValueOf(text, kBoxMinimum);
        ExpectSame("spin box value", text, value, WholeNumberOracle(text).value_or(kBoxMinimum));
        ExpectSame("stave width", text, TForm6::StaveWidthOf(value), StaveWidthOracle(value));
    }

    // The width of any long long, the smallest included, which no text reads as.
    long long raw = 0;
    if (size >= sizeof raw) {
        std::memcpy(&raw, data, sizeof raw);
        ExpectSame("stave width of a raw value", QString::number(raw).toStdU16String(),
                   TForm6::StaveWidthOf(raw), StaveWidthOracle(raw));
    }
    return 0;
}
