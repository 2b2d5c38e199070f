# The cross build for Windows with Debian's mingw-w64, for the triple that OLV_MINGW_TRIPLE names;
# programs run under Wine. Included by the toolchain file of each architecture.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: the library's std::mutex and thread_local need it.
set(CMAKE_C_COMPILER ${OLV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OLV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OLV_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OLV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# The runtime of the compiler (libgcc, libstdc++, winpthread) linked in, so that a DLL or a
# program needs only the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
