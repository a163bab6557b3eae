#pragma once
// Text from outside the program (set names from files, file names and values
// from the command line) as it may safely reach a terminal. A set name is
// whatever bytes another user put into a file: printed raw, it could set the
// terminal's title, clear the screen or forge lines of a listing.

#include <string>
#include <string_view>

namespace kv::cli {

// utf8 with every character a terminal would act on or not show written as an
// escape, and everything else kept: "\\" for the backslash, "\xNN" for a
// control character (U+0000 to U+001F, U+007F) and for a byte that is not
// UTF-8, "\uNNNN" for a C1 control (U+0080 to U+009F) and for the invisible
// characters that hide or reorder text (zero-width spaces and joiners, the
// bidirectional marks, embeddings, overrides and isolates, line and paragraph
// separators, the byte-order mark).
std::string Printable(std::string_view utf8);

} // namespace kv::cli
