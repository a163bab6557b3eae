#pragma once
// What --help and --version print.

#include <string>

namespace kv::cli {

// The usage line and each option of the option table, in the README's words.
std::string HelpText();
// "kestrovanhalme-deal 2.16" and the licence.
std::string VersionText();

} // namespace kv::cli
