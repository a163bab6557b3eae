#include "SetTypes.h"

#include "storage/paramsfile/TypeText.h"

namespace kv {

std::vector<THandParam> TypesToRead(const TSetRecord& record) {
    std::vector<THandParam> types;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (SlotLength(record, slot) == 0) continue;
        THandParam type;
        if (TypeFromText(type, SlotText(record, slot)) && type.Frequency != 0)
            types.push_back(type);
    }
    return types;
}

} // namespace kv
