#pragma once
// Where a run's hand types come from: type texts on the command line, a stored
// set chosen by name or record number, or one default type.

#include "DealEngine.h"
#include "DealOptions.h"

#include <string>

namespace kv::cli {

// Fills `types` from the options; false after a message on standard error.
bool LoadTypes(const TDealOptions& options, TTypeList& types);

struct TListing {
    bool Ok = false;
    std::string Text; // "record<TAB>types<TAB>name" lines
};

// The sets of a file, one a line; messages go to standard error.
TListing ListSetsText(const std::string& fileName);

} // namespace kv::cli
