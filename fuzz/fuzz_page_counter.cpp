// Fuzzes the page counter's text to the page count a print run reads.
#include "FuzzTexts.h"
#include "Mismatch.h"
#include "WholeNumberOracle.h"

#include "Tavelo1.h"

#include <climits>

namespace {

long long PageCounterOracle(std::u16string_view text)
{
    const std::optional<long long> number = WholeNumberOracle(text);
    if (!number)
        return 1;
    if (*number < INT_MIN)
        return INT_MIN;
    if (*number > INT_MAX)
        return INT_MAX;
    return *number;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const std::u16string &text : FuzzTexts(data, size))
        ExpectSame("page counter", text, TForm1::PageCounterOf(text), PageCounterOracle(text));
    return 0;
}
