# Third-party pieces built by tools/deps.sh from Debian source packages, and
# GoogleTest built here for the target from Debian's sources.
set(_deps "${LARKVIEW_DEPS}/${LARKVIEW_ARCH}")
set(_sysroot "/usr/${LARKVIEW_ARCH}-w64-mingw32")

set(LARKVIEW_7Z_DLL "${_deps}/7zip/7z.dll")
set(LARKVIEW_7Z_LICENSE "${_deps}/7zip/License.txt")
# The host's 7-Zip console program that packs the payload reproducibly.
set(LARKVIEW_PACKER "${LARKVIEW_DEPS}/host/7zip/7zr")
foreach(_file IN ITEMS "${LARKVIEW_7Z_DLL}" "${_deps}/libpng/lib/libpng16.a" "${LARKVIEW_PACKER}")
  if(NOT EXISTS "${_file}")
    message(FATAL_ERROR "${_file} is missing: run tools/deps.sh ${LARKVIEW_ARCH}"
                        " (LARKVIEW_DEPS=${LARKVIEW_DEPS})")
  endif()
endforeach()

# Point at the static zlib: libz.dll.a would make every program need zlib1.dll.
add_library(larkview_zlib STATIC IMPORTED GLOBAL)
set_target_properties(larkview_zlib PROPERTIES
  IMPORTED_LOCATION "${_sysroot}/lib/libz.a"
  INTERFACE_INCLUDE_DIRECTORIES "${_sysroot}/include")

add_library(larkview_png STATIC IMPORTED GLOBAL)
set_target_properties(larkview_png PROPERTIES
  IMPORTED_LOCATION "${_deps}/libpng/lib/libpng16.a"
  INTERFACE_INCLUDE_DIRECTORIES "${_deps}/libpng/include"
  INTERFACE_LINK_LIBRARIES larkview_zlib)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
# The toolchain's C++ library has no std::mutex (see mingw-common.cmake):
# Google Test and every test take their Notification from our header.
target_compile_definitions(gtest PUBLIC GTEST_HAS_NOTIFICATION_=1)
target_compile_options(gtest PUBLIC
  "SHELL:-include ${CMAKE_SOURCE_DIR}/tests/support/GtestNotification.h")
