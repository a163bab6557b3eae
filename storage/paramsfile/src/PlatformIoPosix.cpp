// POSIX: arguments are bytes as given (UTF-8 on every current system) and
// output is never translated.
#include "storage/paramsfile/PlatformIo.h"

namespace kv::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryOutput() {}

} // namespace kv::platform
