#pragma once

#include <optional>
#include <string_view>

// The whole number a text holds, worked out a second way so that the fuzz
// targets can hold the program's parser to it: the digits are compared as a
// string against the largest long long instead of being accumulated, so an
// overflow in one cannot hide the same overflow in the other.
std::optional<long long> WholeNumberOracle(std::u16string_view text);
