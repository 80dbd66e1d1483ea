#pragma once

#include <cstdint>
#include <string_view>

// Reads a number as the game always has, leniently: leading white space, an optional sign,
// then digits up to the first other character. No digits give 0; a value past the 32-bit
// range saturates at the nearest limit.
std::int32_t ReadLeadingNumber(std::string_view text);
