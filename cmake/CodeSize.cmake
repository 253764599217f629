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
# The linker keeps every unwind section, and they name every function, so
# --gc-sections alone drops no code: every program is linked through a
# wrapper that finds the dead functions first (tools/link-live-code.py). Only
# the i686 DWARF unwind tables name the C++ personality routine: the wrapper
# is told to keep it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(_unwind_roots "")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(_unwind_roots --root ___gxx_personality_v0)
endif()
foreach(_language C CXX)
  set(CMAKE_${_language}_LINKER_LAUNCHER
      "${Python3_EXECUTABLE};${CMAKE_SOURCE_DIR}/tools/link-live-code.py;${_unwind_roots};--")
endforeach()
