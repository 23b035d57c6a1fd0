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
  # Wide-character Windows API throughout: the interface's Chinese texts show the same on a
  # system of any ANSI code page. Windows 7 is the oldest system the exe targets.
  target_compile_definitions(quorvane_build_flags INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 _WIN32_IE=0x0600)
  # A self-contained exe: no libstdc++, libgcc or winpthread DLLs beside it.
  target_link_options(quorvane_build_flags INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# The product's own code throws nothing and asks no type at run time: without exception tables
# and type data, and without the C++ library's exception and string code that they would pull
# in, the exe is a fraction of the size. Linked privately by the product's targets only, so the
# tests keep exceptions for their framework.
add_library(quorvane_product_flags INTERFACE)
target_compile_options(quorvane_product_flags INTERFACE -fno-exceptions -fno-rtti)
# The shipped build favours size: its code waits on the user, not the other way round, and the
# floating-point flags above keep every result the same at any level of optimisation.
target_compile_options(quorvane_product_flags INTERFACE $<$<CONFIG:Release>:-Os>)
