// Kestrovanhalme: random bridge deals that meet the user's hand types. No command
// line is read.
#include "KvApplication.h"
#include "Program.h"

int main(int argc, char** argv) {
    kv::TKvApplication app(argc, argv);
    kv::TProgram program(kv::TSettingsStore::OpenUserStore());
    return program.Run();
}
