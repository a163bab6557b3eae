// Kestrovanhalme: random bridge deals to the user's specification. No command
// line is read.
#include "KvApplication.h"
#include "Program.h"

int main(int argc, char** argv) {
    kv::TKvApplication app(argc, argv);
    kv::TProgram program(kv::TSettingsStore::OpenUserStore());
    return program.Run();
}
