#pragma once

// The frame's one document. The game belongs to the view, so the document keeps, reads and
// writes nothing, and a new document leaves the game as it is.
class CGlossatilesDoc {
public:
    bool OnNewDocument() { return true; }
};
