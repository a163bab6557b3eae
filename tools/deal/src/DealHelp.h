#pragma once
// What --help and --version print.

#include <string>

namespace kv::cli {

// The options, one line each, in the README's words.
std::string HelpText();
// "kestrovanhalme-deal 2.16" and the licence.
std::string VersionText();

} // namespace kv::cli
