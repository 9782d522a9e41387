# Compile settings every Marelto target shares.
#
# The figures shown to the user depend on every intermediate being rounded to
# double at each step, so fused multiply-add is forbidden (GCC would contract
# a*b+c on FMA targets) and fast-math must never creep in.
add_library(marelto_settings INTERFACE)
target_compile_features(marelto_settings INTERFACE cxx_std_20)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(marelto_settings INTERFACE
    -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
  if(MARELTO_SANITIZE)
    target_compile_options(marelto_settings INTERFACE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(marelto_settings INTERFACE -fsanitize=address,undefined)
  endif()
elseif(MSVC)
  target_compile_options(marelto_settings INTERFACE /W4 /fp:precise /utf-8)
endif()
