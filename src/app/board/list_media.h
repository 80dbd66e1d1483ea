#pragma once

#include "view/board/side_pictures.h"

// Finds a side's picture or sound where the program may open it: beside the list it came from,
// or in the media store.
MediaFinder ListMediaFinder();
