# Shared body of the MinGW-w64 toolchain files; the including file sets PLEXARA_TRIPLE and the
# processor. The posix thread model makes std::thread and std::mutex work; -static later keeps
# winpthread inside the executable.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${PLEXARA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLEXARA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PLEXARA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PLEXARA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
