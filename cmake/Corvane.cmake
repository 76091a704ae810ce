# Build settings shared by every target.

if(WIN32)
  set(CORVANE_WINDOWS ON)
else()
  set(CORVANE_WINDOWS OFF)
endif()

add_library(corvane_options INTERFACE)
# A warning fails the build in every leg: a warning left standing hides the
# next one.
target_compile_options(corvane_options INTERFACE -Wall -Wextra -Wno-unused-parameter -Werror)
target_include_directories(corvane_options INTERFACE ${PROJECT_SOURCE_DIR})
# GCC 12 takes std::string's own copies for overlapping ones once it
# optimises (a false positive of -Wrestrict, fixed in GCC 13): optimised
# builds leave that one warning out.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(corvane_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>)
endif()

if(CORVANE_WINDOWS)
  # Unicode Win32 API; a static C++ runtime so no runtime DLL must travel
  # with the add-in or the test programs.
  target_compile_definitions(corvane_options INTERFACE UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_options(corvane_options INTERFACE -static -static-libgcc -static-libstdc++)
  # A DLL without an export list exports every symbol, those of the static
  # runtime included; a program linking it then has the unwinder twice.
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " -Wl,--exclude-libs,ALL")
  string(APPEND CMAKE_MODULE_LINKER_FLAGS " -Wl,--exclude-libs,ALL")
endif()

if(CORVANE_SANITIZE)
  target_compile_options(corvane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(corvane_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz preset: every library instrumented for libFuzzer's coverage and
# checked by the sanitizers; fuzz/ links the fuzz targets with the engine.
if(CORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CORVANE_FUZZ needs clang (libFuzzer)")
  endif()
  target_compile_options(corvane_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(corvane_options INTERFACE -fsanitize=address,undefined)
endif()

# corvane_glob(<var> <patterns...>): sorted sources found at configure time,
# re-checked on every build.
function(corvane_glob var)
  file(GLOB found CONFIGURE_DEPENDS ${ARGN})
  list(SORT found)
  set(${var} ${found} PARENT_SCOPE)
endfunction()
