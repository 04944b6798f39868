# Windows DLLs cross-built with mingw-w64 and run under Wine. The target
# is chosen with -DMINGW_TRIPLET=i686-w64-mingw32 or x86_64-w64-mingw32.
if(NOT MINGW_TRIPLET)
  set(MINGW_TRIPLET x86_64-w64-mingw32)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(MINGW_TRIPLET MATCHES "^i686")
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
# The compiler's runtime DLLs are found by Wine through WINEPATH (see
# scripts/platform-stage), so exceptions cross the DLL boundary through one
# shared unwinder.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(UTYPES_GTEST_FROM_SOURCE ON CACHE BOOL "" FORCE)
set(UTYPES_SECONDARY_PLATFORM ON CACHE BOOL "" FORCE)
