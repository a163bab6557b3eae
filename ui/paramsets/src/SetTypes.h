#pragma once
// The hand types of a stored set as the editor takes them.

#include "params/HandParam.h"
#include "storage/paramsfile/SetRecord.h"

#include <vector>

namespace kv {

// The types of the set's non-empty slots in slot order, leaving out those of
// frequency 0. Throws EConvertError for a slot whose text is not a type text
// at all; a slot that TypeFromText rejects is left out (the caller has
// already refused such a set).
std::vector<THandParam> TypesToRead(const TSetRecord& record);

} // namespace kv
