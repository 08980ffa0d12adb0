# Compile and link options shared by every target of the project (not by
# GoogleTest).
add_library(vornal_options INTERFACE)
target_compile_options(vornal_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Werror)

if(WIN32)
  # The oldest Windows the binaries run on, as "major.minor": Windows 7. The
  # code may use whatever Windows 7 has, and the winpthreads runtime of the
  # -posix toolchain imports GetTickCount64, which came with Vista. The
  # headers' _WIN32_WINNT and the version in each file's PE header both
  # come from this one value, so that an older Windows refuses to start the
  # file with its own message instead of stopping at a missing entry point.
  # The binary checks of the tests and scripts/package hold every file's
  # header to it.
  set(VORNAL_WINDOWS_VERSION 6.1)
  if(NOT VORNAL_WINDOWS_VERSION MATCHES "^([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "VORNAL_WINDOWS_VERSION must be major.minor, not ${VORNAL_WINDOWS_VERSION}")
  endif()
  set(windows_major ${CMAKE_MATCH_1})
  set(windows_minor ${CMAKE_MATCH_2})
  math(EXPR windows_winnt "(${windows_major} << 8) | ${windows_minor}" OUTPUT_FORMAT HEXADECIMAL)
  # ANSI entry points throughout; no MFC-era macros.
  target_compile_definitions(vornal_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=${windows_winnt} WINVER=${windows_winnt})
  target_link_options(vornal_options INTERFACE
    "LINKER:--major-os-version,${windows_major},--minor-os-version,${windows_minor}"
    "LINKER:--major-subsystem-version,${windows_major},--minor-subsystem-version,${windows_minor}")
  # Everything is linked statically, so that the binaries import Windows
  # system DLLs only and run from any folder.
  set(VORNAL_STATIC_LINK -static -static-libgcc -static-libstdc++)
else()
  option(VORNAL_SANITIZE "Build with sanitizers" ON)
  # AddressSanitizer with UBSan, or ThreadSanitizer ("thread"), which cannot
  # be combined with the first.
  set(VORNAL_SANITIZERS "address,undefined" CACHE STRING "The -fsanitize list of native builds")
  if(VORNAL_SANITIZE)
    target_compile_options(vornal_options INTERFACE
      -fsanitize=${VORNAL_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vornal_options INTERFACE -fsanitize=${VORNAL_SANITIZERS})
  endif()
endif()

# Code that runs inside other programs' processes: no exceptions, no RTTI,
# no unwinding tables to carry around.
add_library(vornal_hosted_code INTERFACE)
target_compile_options(vornal_hosted_code INTERFACE
  -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables)
