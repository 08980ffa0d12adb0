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
