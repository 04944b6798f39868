# 32-bit x86 Linux (g++-12-multilib). SSE2 arithmetic keeps doubles at
# double precision, as on every other target. The programs run under
# qemu-i386: not every kernel executes 32-bit code.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The kernel headers' asm/ directory, which the gcc-multilib package would
# link into /usr/include; that package cannot live beside cross compilers.
set(kernel_asm_dir ${CMAKE_BINARY_DIR}/m32-kernel-headers)
if(NOT EXISTS ${kernel_asm_dir}/asm)
  file(MAKE_DIRECTORY ${kernel_asm_dir})
  file(CREATE_LINK /usr/include/x86_64-linux-gnu/asm ${kernel_asm_dir}/asm SYMBOLIC)
endif()
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse -idirafter ${kernel_asm_dir}")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse -idirafter ${kernel_asm_dir}")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
set(UTYPES_GTEST_FROM_SOURCE ON CACHE BOOL "" FORCE)
set(UTYPES_SECONDARY_PLATFORM ON CACHE BOOL "" FORCE)
