#pragma once

#include "files/media_file.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// The file a side's picture or sound reference names for the list at `listPath`, or "" when the
// program may not open one of that kind there. The window knows where files may be opened; the
// view only draws.
using MediaFinder = std::function<std::string(std::string_view reference, MediaKind kind,
                                              std::string_view listPath)>;

// The box's largest rectangle of the picture's aspect, centred in the box.
QRectF FittedRect(QSizeF picture, const QRectF& box);

// Side pictures decoded once each and kept scaled for the sizes they are shown at, as words
// keep their layout: a repaint mostly shows the same pictures again. Whether a side's sound can
// be played is kept too, so that a repaint does not look for its file.
class SidePictures {
public:
    explicit SidePictures(MediaFinder finder = {});

    void SetFinder(MediaFinder finder);
    // Reads every picture and looks for every sound afresh at its next use.
    void Forget();
    // The picture scaled to fit `box` device pixels, its aspect kept; a null image when the
    // side's file cannot be found or read. Valid until the next call.
    const QImage& Fitted(std::string_view reference, std::string_view listPath, QSize box);
    // The picture as decoded; a null image as above.
    const QImage& Decoded(std::string_view reference, std::string_view listPath);
    // Whether the side's sound names a file that can be played.
    bool Plays(std::string_view reference, std::string_view listPath);

private:
    MediaFinder finder_;
    std::unordered_map<std::string, QImage> decoded_;
    std::unordered_map<std::string, bool> playable_;
    std::unordered_map<std::string, QImage> scaled_;
};
