# Shared part of the two mingw-w64 toolchains. The -posix compilers carry the
# winpthread thread model, which std::mutex (and so GoogleTest) needs.
set(CMAKE_C_COMPILER   ${VORNAL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORNAL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VORNAL_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP      ${VORNAL_MINGW_TRIPLE}-objdump CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${VORNAL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
