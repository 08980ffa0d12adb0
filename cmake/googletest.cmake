# GoogleTest from Debian's source package, built with the project's toolchain.
set(VORNAL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${VORNAL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT WIN32 AND VORNAL_SANITIZE)
  # GoogleTest shares containers with sanitised test code.
  target_compile_options(gtest PRIVATE -fsanitize=${VORNAL_SANITIZERS})
  target_compile_options(gtest_main PRIVATE -fsanitize=${VORNAL_SANITIZERS})
endif()
