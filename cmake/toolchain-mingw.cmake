# Cross build for Windows with MinGW-w64: KRUGOLET_WINDOWS_ARCH=i686 for 32-bit Windows,
# x86_64 for 64-bit. The -posix compilers carry std::thread and std::mutex, which GoogleTest
# needs.
if(NOT KRUGOLET_WINDOWS_ARCH MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "KRUGOLET_WINDOWS_ARCH is i686 or x86_64, not '${KRUGOLET_WINDOWS_ARCH}'")
endif()
# The compiler checks run in projects of their own, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KRUGOLET_WINDOWS_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KRUGOLET_WINDOWS_ARCH})

set(mingw ${KRUGOLET_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program links the C and C++ runtimes in, so an .exe needs only the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# 64-bit test programs run under Wine; the wrapper gives Wine a display and a prefix of its
# own. This machine runs no 32-bit programs, so the 32-bit tree is built and inspected only.
if(KRUGOLET_WINDOWS_ARCH STREQUAL x86_64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
endif()
