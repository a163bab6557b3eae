#pragma once
// What every part of the PBN reader throws when the file cannot be read on:
// the line it stopped at and the reason, in the words of the message.

#include <string>

namespace kv::pbn {

struct EPbnFormat {
    long Line = 0;
    std::string Text;
};

} // namespace kv::pbn
