# Shared by both MinGW-w64 toolchain files; LARKVIEW_TRIPLET names the target.
# The -posix compilers give the complete C++ thread library (std::thread,
# std::mutex); everything is linked statically, so no pthread DLL is needed.
set(CMAKE_C_COMPILER ${LARKVIEW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LARKVIEW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LARKVIEW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LARKVIEW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
