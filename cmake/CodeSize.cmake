# Code size. The wizard spends its time in Windows, 7z.dll, zlib and a few
# pixel loops, not in its own control flow, so:
# - code is optimised for size (-Os instead of -O3); the pixel loops that run
#   on every paint are compiled for speed where they are built (ui/);
# - every function and datum sits in a section of its own, and the linker
#   drops the sections nothing refers to.
foreach(_language C CXX)
  string(REPLACE "-O3" "-Os" CMAKE_${_language}_FLAGS_RELEASE "${CMAKE_${_language}_FLAGS_RELEASE}")
endforeach()
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
