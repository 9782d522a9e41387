# Compile settings every Marelto target shares.
#
# The figures shown to the user depend on every intermediate being rounded to
# double at each step, so fused multiply-add is forbidden (GCC would contract
# a*b+c on FMA targets) and fast-math must never creep in. These hold wherever
# the core is compiled, also inside a project that pulls Marelto in; the
# warning flags are for Marelto's own development and stay out of such a
# project's code.
add_library(marelto_settings INTERFACE)
target_compile_features(marelto_settings INTERFACE cxx_std_20)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(marelto_settings INTERFACE -ffp-contract=off -fno-fast-math)
  if(PROJECT_IS_TOP_LEVEL)
    target_compile_options(marelto_settings INTERFACE -Wall -Wextra -Wpedantic)
  endif()
  if(MARELTO_SANITIZE)
    target_compile_options(marelto_settings INTERFACE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(marelto_settings INTERFACE -fsanitize=address,undefined)
  endif()
  if(EMSCRIPTEN)
    # Without them emscripten compiles every throw as an abort, and the first
    # numbered error would end the page's call instead of reaching it.
    target_compile_options(marelto_settings INTERFACE -fexceptions)
    target_link_options(marelto_settings INTERFACE -fexceptions)
  endif()
elseif(MSVC)
  target_compile_options(marelto_settings INTERFACE /fp:precise /utf-8)
  if(PROJECT_IS_TOP_LEVEL)
    target_compile_options(marelto_settings INTERFACE /W4)
  endif()
endif()

# Each library exports an include folder holding its own headers only (a link
# to its source folder), so that an include against the one-way dependencies
# (seawater <- calculators <- formular, all -> runtime) fails to compile.
function(marelto_export_headers target part)
  set(root ${PROJECT_BINARY_DIR}/include/${part})
  if(NOT IS_SYMLINK ${root}/${part})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${part} ${root}/${part} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
