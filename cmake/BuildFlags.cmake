# Flags every target of ours builds with, gathered in one interface target.
add_library(quorvane_build_flags INTERFACE)

target_compile_options(quorvane_build_flags INTERFACE -Wall -Wextra -Wconversion)

# Results must be bit-identical on every build. Each double operation rounds once to double:
# no fused multiply-add, and on 32-bit x86 the SSE2 unit instead of the x87 stack, whose
# wider registers round twice and get some formula results wrong (the conversion core
# refuses to compile without this, through FLT_EVAL_METHOD).
target_compile_options(quorvane_build_flags INTERFACE -ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86)$")
  target_compile_options(quorvane_build_flags INTERFACE -msse2 -mfpmath=sse)
endif()

if(WIN32)
  # A self-contained exe: no libstdc++, libgcc or winpthread DLLs beside it.
  target_link_options(quorvane_build_flags INTERFACE -static -static-libgcc -static-libstdc++)
endif()
