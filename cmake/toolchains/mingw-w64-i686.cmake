# 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELVORA_MINGW_TRIPLE i686-w64-mingw32)
set(VELVORA_WINE_ARCH win32)
# Single-precision maths in SSE registers, not the x87 stack with its wider intermediates, so
# the placement's float arithmetic rounds as on the 64-bit and Linux builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
