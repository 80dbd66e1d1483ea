#include "cli/due_listing.h"

std::string DueListing(const std::vector<ScheduledPair>& pairs) {
    std::string listing;
    for (const ScheduledPair& pair : pairs) {
        listing += DayText(pair.schedule.due) + '\t' + pair.key.textA + '\t' + pair.key.textB +
                   '\t' + pair.listDescription + '\n';
    }
    return listing;
}
