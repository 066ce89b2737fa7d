#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The texts one fuzz input stands for: its bytes decoded as UTF-8 the way Qt
// decodes typed or pasted text, and, when the count is even, the same bytes
// taken as raw UTF-16 code units, which reaches lone surrogates and digits
// from other scripts that no UTF-8 decoding produces.
std::vector<std::u16string> FuzzTexts(const std::uint8_t *data, std::size_t size);
