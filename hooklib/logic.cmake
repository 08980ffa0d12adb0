# The hook library's platform-free decisions. Included by hooklib/ in the
# Windows editions and by the tests in the native one, which has no hooklib/.
if(NOT TARGET vornal_hooklib_logic)
  add_library(vornal_hooklib_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/version_flags.cpp
    ${CMAKE_CURRENT_LIST_DIR}/executable_name.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drag_rule.cpp)
  target_include_directories(vornal_hooklib_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(vornal_hooklib_logic
    PUBLIC vornal_settings_core
    PRIVATE vornal_options vornal_hosted_code)
  if(WIN32)
    target_compile_options(vornal_hooklib_logic PRIVATE -Os)
  endif()
endif()
