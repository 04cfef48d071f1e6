# Cross build for 64-bit Windows with the MinGW-w64 tool chain (Debian: g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRENVOX_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model of the tool chain: std::thread and std::mutex need it.
find_program(CMAKE_C_COMPILER NAMES ${BRENVOX_MINGW_PREFIX}-gcc-posix ${BRENVOX_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${BRENVOX_MINGW_PREFIX}-g++-posix ${BRENVOX_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${BRENVOX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRENVOX_MINGW_PREFIX})
# Programs come from the build machine; libraries, headers and packages only from the target
# root (plus what BRENVOX_CROSS_INCLUDE points at), never from the host's /usr.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Header-only libraries (CLI11, nlohmann_json) are not part of the target root: the script
# scripts/cross-windows.sh links just their headers and package files into a build-local prefix
# and passes <Package>_DIR, so the host's /usr/include never enters the cross build wholesale.

# Qt built for Windows (scripts/qt-mingw.sh) is a second target root when given, so its package
# files are found while the host's Qt never is.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRENVOX_QT_MINGW)
if(BRENVOX_QT_MINGW)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BRENVOX_QT_MINGW})
endif()
