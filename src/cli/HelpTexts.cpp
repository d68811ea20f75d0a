#include "cli/HelpTexts.h"

namespace {

struct HelpTopic {
    std::string_view name;
    std::string_view text;
};

// kGeneralHelp and kTopics, made by scripts/quorlin-doc.py.
#include "QuorlinHelp.inc"

}  // namespace

std::string_view GeneralHelp() {
    return kGeneralHelp;
}

std::string_view TopicHelp(std::string_view name) {
    for (const HelpTopic& topic : kTopics) {
        if (topic.name == name) {
            return topic.text;
        }
    }
    return {};
}
