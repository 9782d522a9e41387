# Hardening of Marelto's own Linux builds, as Debian builds its packages:
# fortified libc calls, a stack protector, a position-independent program and
# a relocation table made read-only after start-up (bind now, RELRO).
#
# The settings only apply to Marelto as the top-level project; a project that
# pulls the core in chooses its own. _FORTIFY_SOURCE needs an optimised build
# and is left out under the sanitizers, whose interceptors it would bypass.
if(NOT PROJECT_IS_TOP_LEVEL OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"
   OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

target_compile_options(marelto_settings INTERFACE -fstack-protector-strong)
target_link_options(marelto_settings INTERFACE LINKER:-z,relro LINKER:-z,now)
if(NOT MARELTO_SANITIZE AND NOT MARELTO_BUILD_FUZZ)
  # Undefined first: some compilers predefine another level, and redefining
  # it would warn.
  target_compile_options(marelto_settings INTERFACE
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
