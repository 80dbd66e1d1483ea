#pragma once

#include "view/board/opaque_text.h"

#include <QString>

// The word at the first height, of 22 and then 19 down to 7, at which it measures 160 pixels
// or less; a word still wider at 7 is written at 6 whatever its width then.
TextRun FitWordFont(QString word);
