#pragma once

#include <span>

// A game message's translation: its forms for one and for many where it has a count, else the
// same text twice.
struct CatalogEntry {
    const char* language;
    const char* source;
    const char* forms[2];
};

// Every translated game message, taken from translations/*.ts when the program is built.
std::span<const CatalogEntry> MessageCatalog();
