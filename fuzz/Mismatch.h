#pragma once

#include <string_view>

// Stops the fuzz run when the program reads a text other than the oracle
// does; the message names the rule, and libFuzzer keeps the exact input.
void ExpectSame(const char *rule, std::u16string_view text, long long got, long long want);
