# Cross compiling for 64-bit Windows with Debian's mingw-w64, posix threads variant
# (packages g++-mingw-w64-x86-64-posix and binutils-mingw-w64-x86-64).
# cmake -S . -B build-mingw --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOLVEX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KOLVEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOLVEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KOLVEX_MINGW_TRIPLE}-windres)

# Libraries and packages come from the Windows sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KOLVEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under wine when it is installed.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(KOLVEX_WINE NAMES wine wine64)
    if(KOLVEX_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${KOLVEX_WINE})
    endif()
endif()
