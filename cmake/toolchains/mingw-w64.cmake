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
# 64-bit: the compiler's runtime is linked in, so the DLL and the test
# programs need nothing beside them (table-based unwinding lets exceptions
# cross the DLL boundary). 32-bit unwinding keeps its state in the runtime,
# so there the DLL links the shared runtime DLLs, as 32-bit hosts ship them.
if(MINGW_TRIPLET MATCHES "^x86_64")
  set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
# Programs and the DLL side by side, where Windows looks for a DLL first.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(UTYPES_GTEST_FROM_SOURCE ON CACHE BOOL "" FORCE)
set(UTYPES_SECONDARY_PLATFORM ON CACHE BOOL "" FORCE)
