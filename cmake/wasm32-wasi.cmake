# The browser build: Debian's clang 22 with its WebAssembly C++ library (libc++ 22, built
# without exceptions, over wasi-libc). The page's JavaScript gives the few WASI calls it makes.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_CXX_COMPILER clang++-22)
# Debian lays the WebAssembly libraries out under the wasm32-wasi triple only, which clang 22
# calls deprecated.
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -Wno-deprecated")

set(CMAKE_FIND_ROOT_PATH /usr/lib/wasm32-wasi /usr/include/wasm32-wasi)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The header-only libraries (fast_float, stb) come from the build machine's /usr/include, by
# their own folders so that no other host header comes along.
set(CMAKE_INCLUDE_PATH /usr/include)
