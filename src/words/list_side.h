#pragma once

// The two sides of a word list: the words (TextA) and their partners (TextB).
enum class ListSide { TextA, TextB };
