#pragma once
// What a command-line program needs from the platform before it reads its
// arguments and writes its output: on Windows the arguments come from the
// wide command line as UTF-8 (the encoding of every file name here), and
// standard output and the files it opens carry bytes unchanged, without the
// C runtime's CR-LF translation. Elsewhere both are as the system gives them.

#include <string>
#include <vector>

namespace kv::platform {

// The program's arguments after its name, as UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Output bytes reach standard output, standard error and files unchanged.
void UseBinaryOutput();

} // namespace kv::platform
