# Cross build for Windows with mingw-w64. Included by the per-architecture
# toolchain files, which set CORVANE_MINGW_TRIPLE first.
#
# The -posix compilers: GoogleTest needs std::mutex, which the -win32 thread
# model of this GCC lacks. The static link (cmake/Corvane.cmake) keeps the
# posix threading runtime inside each program and DLL.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)

set(CMAKE_C_COMPILER ${CORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVANE_MINGW_TRIPLE}-windres)
find_program(CORVANE_WIDL NAMES ${CORVANE_MINGW_TRIPLE}-widl widl)

set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine, in a prefix of their own inside the build
# folder (scripts/wine-session creates it on first use).
get_filename_component(corvane_source_dir ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${corvane_source_dir}/scripts/wine-session run ${CMAKE_BINARY_DIR}/wine-prefix)
