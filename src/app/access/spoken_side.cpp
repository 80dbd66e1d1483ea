#include "app/access/spoken_side.h"

#include "view/board/board_painter.h"
#include "words/side_line.h"

#include <QCoreApplication>

namespace {

struct SideText {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)
};

} // namespace

QString SpokenSide(const std::string* line) {
    if (line == nullptr) {
        return {};
    }
    const SideParts parts = ParseSide(*line);
    const QString shown = DecodeWord(ShownText(parts));
    return parts.text.empty() && !parts.image.empty() ? SideText::tr("picture: %1").arg(shown)
                                                      : shown;
}
