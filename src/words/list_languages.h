#pragma once

#include <string>

// The languages of a list's two sides as the file named them ("fr", "French", ...); empty
// where it named none. Kept with the list, not with saved games.
struct ListLanguages {
    std::string TextA;
    std::string TextB;
};
