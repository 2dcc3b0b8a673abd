# Cross build of the whole program (and of Qt itself) for 64-bit Windows with
# Debian's mingw-w64 compiler. Unlike the Qt-free build, programs link the
# compiler's runtime as DLLs: the program, its modules and Qt then share one
# C++ runtime, whose DLLs are shipped beside rundaro.exe.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT "")
