# Cross build for x86-64 Windows with Debian's mingw-w64; programs run under Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(OLV_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
