# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 and runs the
# results with Wine. Used for Qt itself, for Marelto and for its tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix thread model: Qt and GoogleTest need std::thread and std::mutex,
# which the win32 model of GCC 12 lacks.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# A Qt cross-built for Windows (scripts/build-windows) is found in its own
# prefix, and its build tools (moc, rcc, uic) are the host's Qt of the same
# version.
set(MARELTO_WINDOWS_QT_PREFIX "" CACHE PATH "Qt built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MARELTO_WINDOWS_QT_PREFIX)
if(MARELTO_WINDOWS_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MARELTO_WINDOWS_QT_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${MARELTO_WINDOWS_QT_PREFIX})
  set(QT_HOST_PATH /usr CACHE PATH "Host Qt")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake files")
endif()
