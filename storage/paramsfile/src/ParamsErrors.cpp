#include "storage/paramsfile/ParamsErrors.h"

namespace kv {

EInOutError::EInOutError(const std::string& fileName, int code, const std::string& description)
    : std::runtime_error("'" + fileName + "': " + description), fileName_(fileName), code_(code),
      description_(description) {}

} // namespace kv
