#include "game/long_path.h"

#include "game/game_state.h"
#include "words/message_sink.h"

bool RefuseLongPath(MessageSink& sink, const std::string& path) {
    if (path.size() <= MaxTextLength) {
        return false;
    }
    sink.Report({GT_TEXT("Message", "The path is longer than 299 characters:\n%1\n\nPlease "
                                    "choose a file with a shorter path."),
                 {path}});
    return true;
}
