#pragma once

#include <string>
#include <string_view>

// The text with its ASCII letters in lower case and every other byte as it was: how names
// that a file spells in any case are compared.
std::string Lowered(std::string_view text);
