#pragma once
// The topics of the program's help, each with its context number, and the
// keywords of the help index.

#include <span>

namespace kv {

struct THelpTopic {
    int Context;
    const char* Page;  // resource page under :/help/, with an optional #anchor
    const char* Title; // shown in the contents list
};

struct THelpKeyword {
    const char* Word;
    const char* Page; // page, with an optional #anchor
};

std::span<const THelpTopic> HelpTopics();
std::span<const THelpKeyword> HelpKeywords();
// The topic of a context number; the contents page for an unknown number.
const THelpTopic& TopicOfContext(int context);

} // namespace kv
