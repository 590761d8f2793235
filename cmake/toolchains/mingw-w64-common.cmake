# What both MinGW-w64 toolchains share; included by mingw-w64-<cpu>.cmake after they set
# VELVORA_MINGW_TRIPLE and VELVORA_WINE_ARCH.
set(CMAKE_SYSTEM_NAME Windows)

# The "-posix" compilers: their C++ library has std::mutex, which GoogleTest needs; winpthread is
# linked statically with the rest of the runtime.
set(CMAKE_C_COMPILER ${VELVORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELVORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELVORA_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${VELVORA_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VELVORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static runtime: the programs need nothing but the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Test programs run under Wine, in a prefix of the build tree (tools/wine-run).
get_filename_component(_velvora_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_velvora_root}/tools/wine-run;${VELVORA_WINE_ARCH}")
