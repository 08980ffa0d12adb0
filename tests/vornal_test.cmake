# vornal_add_test(<name> SOURCES ... LIBS ... [LOCKS ...])
# One GoogleTest executable registered as one CTest test. Windows builds link
# it statically so that Wine needs no MinGW runtime DLLs.
function(vornal_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main vornal_options)
  if(WIN32)
    target_link_options(${name} PRIVATE ${VORNAL_STATIC_LINK})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(T_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

# True when this build can run its own Windows executables (the x86_64
# edition, through Wine). The i686 edition only builds and inspects them.
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(VORNAL_CAN_RUN ON)
elseif(NOT WIN32)
  set(VORNAL_CAN_RUN ON)
else()
  set(VORNAL_CAN_RUN OFF)
endif()

# vornal_add_binary_check(<name> <file> ALLOWED <dlls> [EXPORTS <ordinal:name,...>])
# A static check of a Windows binary of this build (cmake/check-pe.cmake):
# its machine type, the oldest Windows its PE header lets it start on, the
# DLLs it imports, its exports with their ordinals and the product version
# in its version resource. Runs with cmake -P, so also where nothing Windows
# can run.
if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VORNAL_PE_MACHINE i386)
  else()
    set(VORNAL_PE_MACHINE x86-64)
  endif()
endif()
function(vornal_add_binary_check name file)
  cmake_parse_arguments(C "" "ALLOWED;EXPORTS" "" ${ARGN})
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DPE_FILE=${file} -DOBJDUMP=${CMAKE_OBJDUMP}
            -DALLOWED_DLLS=${C_ALLOWED} -DEXPECTED_EXPORTS=${C_EXPORTS}
            -DMACHINE=${VORNAL_PE_MACHINE} -DPRODUCT_VERSION=${PROJECT_VERSION}
            -DWINDOWS_VERSION=${VORNAL_WINDOWS_VERSION}
            -P ${PROJECT_SOURCE_DIR}/cmake/check-pe.cmake)
endfunction()
