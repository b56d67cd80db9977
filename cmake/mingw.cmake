# Cross build for Windows with mingw-w64, win32 thread model (no winpthreads).
# MINGW_ARCH: i686 (the shipped 32-bit binaries, default) or x86_64 (the same
# sources for a 64-bit Wine on hosts that cannot execute 32-bit code).
if(NOT MINGW_ARCH)
  set(MINGW_ARCH i686)
endif()
set(MINGW_ARCH ${MINGW_ARCH} CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(_t ${MINGW_ARCH}-w64-mingw32)
find_program(MINGW_CXX NAMES ${_t}-g++-win32 ${_t}-g++ REQUIRED)
find_program(MINGW_CC NAMES ${_t}-gcc-win32 ${_t}-gcc REQUIRED)
set(CMAKE_C_COMPILER ${MINGW_CC})
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_RC_COMPILER ${_t}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_t})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
