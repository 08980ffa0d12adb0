# Compile options shared by every target of the project (not by GoogleTest).
add_library(vornal_options INTERFACE)
target_compile_options(vornal_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Werror)

if(WIN32)
  # ANSI entry points throughout; no MFC-era macros.
  target_compile_definitions(vornal_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
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
