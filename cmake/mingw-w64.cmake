# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (POSIX
# thread model, needed by std::thread and GoogleTest).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WV_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${WV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program carries its C and C++ runtime: nothing to ship beside the
# launcher, nothing for Wine to look up.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows programs run here only under Wine, so test lists are read when the
# tests run rather than right after linking.
if(EXISTS /usr/lib/wine/wine64)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
