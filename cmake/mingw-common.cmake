# Shared by both MinGW-w64 toolchain files; LARKVIEW_TRIPLET names the target.
# The -win32 compilers build the C++ library on the system's own threads:
# it has no std::thread or std::mutex (win/Lock.h serves instead), and the
# wizard carries no POSIX thread library (26-31 KB of code).
set(CMAKE_C_COMPILER ${LARKVIEW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${LARKVIEW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${LARKVIEW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LARKVIEW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
