# Cross build for 32-bit Windows with mingw-w64 (posix thread model, which GoogleTest needs).
# Programs link statically so that they import system DLLs only; ctest runs them under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VELMORA_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(VELMORA_STATIC_LINK "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${VELMORA_STATIC_LINK}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${VELMORA_STATIC_LINK}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${VELMORA_STATIC_LINK}")

# Every Windows program runs in one headless 32-bit prefix inside the build tree; the wrapper
# creates it on first use and sets up the environment (see scripts/wine-env.sh).
get_filename_component(VELMORA_SCRIPTS_DIR "${CMAKE_CURRENT_LIST_DIR}/../scripts" ABSOLUTE)
set(VELMORA_WINEPREFIX "${CMAKE_BINARY_DIR}/wine")
set(CMAKE_CROSSCOMPILING_EMULATOR "${VELMORA_SCRIPTS_DIR}/wine-run.sh;${VELMORA_WINEPREFIX}")

# GCC 12 reports false -Wrestrict overlaps inside std::basic_string when optimising (GCC bug
# 105329, fixed in GCC 13); with warnings as errors that would stop the optimised build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Release programs ship stripped.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_MODULE_LINKER_FLAGS_RELEASE_INIT "-s")
