#include "WholeNumberOracle.h"

#include <charconv>
#include <limits>
#include <string>

std::optional<long long> WholeNumberOracle(std::u16string_view text)
{
    const bool negative = text.starts_with(u'-');
    if (negative || text.starts_with(u'+'))
        text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of(u"0123456789") != std::u16string_view::npos)
        return std::nullopt;

    // Every unit is now an ASCII digit, so narrowing keeps it whole.
    std::string significant(text.begin(), text.end());
    significant.erase(0, significant.find_first_not_of('0'));
    if (significant.empty())
        return 0;

    const std::string most = std::to_string(std::numeric_limits<long long>::max());
    long long magnitude = std::numeric_limits<long long>::max();
    const bool beyond = significant.size() > most.size()
        || (significant.size() == most.size() && significant > most);
    if (!beyond)
        std::from_chars(significant.data(), significant.data() + significant.size(), magnitude);
    return negative ? -magnitude : magnitude;
}
