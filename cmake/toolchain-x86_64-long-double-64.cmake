# The host's x86-64 compiler with long double made the 64-bit double, as it is
# with MSVC and on macOS: the build that shows the deals do not depend on the
# x87 type. Linked statically, so that the program does not call a C++
# library built for the other long double.
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_CXX_FLAGS_INIT "-mlong-double-64")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
