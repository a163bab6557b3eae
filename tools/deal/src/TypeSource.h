#pragma once
// Where a run's hand types come from: type texts on the command line, a stored
// set chosen by name or record number, or one default type; and the listing
// of a file's sets. Messages go to standard error, every text from a file or
// the command line escaped for the terminal.

#include "DealOptions.h"
#include "engine/DealEngine.h"

#include <string>

namespace kv::cli {

// Fills `types` from the options; false after a message on standard error.
// A stored set is found among the sets that can be listed: a damaged record
// elsewhere in the file does not keep it from being read.
bool LoadTypes(const TDealOptions& options, TTypeList& types);

struct TListing {
    // The file is a parameters file whose sets could be listed, all or some.
    bool Listed = false;
    // Every record could be read: nothing was reported on standard error.
    bool Whole = false;
    // "record<TAB>types<TAB>name" lines of the readable sets.
    std::string Text;
};

// The readable sets of a file, one a line; each damaged record is reported on
// standard error by its record number.
TListing ListSetsText(const std::string& fileName);

} // namespace kv::cli
