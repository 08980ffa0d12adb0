# Checks a Windows executable or DLL against what it may import and must
# export, from the output of "objdump -p". Run as a script:
#
#   cmake -DPE_FILE=<file> -DOBJDUMP=<objdump>
#         -DALLOWED_DLLS=kernel32.dll,user32.dll,...
#         [-DEXPECTED_EXPORTS=1:FirstName,2:SecondName]
#         [-DMACHINE=i386|x86-64] [-DPRODUCT_VERSION=1.43]
#         [-DWINDOWS_VERSION=6.1]
#         -P check-pe.cmake
#
# Lists may be separated by commas or semicolons. Every imported DLL must be
# in ALLOWED_DLLS (compared ignoring case). The exports must be exactly
# EXPECTED_EXPORTS, each "ordinal:name" with the name undecorated as given;
# an empty or missing EXPECTED_EXPORTS means the file exports nothing.
# MACHINE is the processor the file is built for, as objdump names its
# format (pei-i386, pei-x86-64). PRODUCT_VERSION must be the file's version
# and product version in its version resource (read with "strings").
# WINDOWS_VERSION ("major.minor") must be both the operating system version
# and the subsystem version in the optional header: the loader of an older
# Windows refuses to start a file whose subsystem version is newer than
# itself, with a message of its own, instead of failing later on a missing
# entry point.
# Fails with a message that names what differs.

cmake_minimum_required(VERSION 3.25)

foreach(required PE_FILE OBJDUMP ALLOWED_DLLS)
  if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
    message(FATAL_ERROR "check-pe: ${required} is not set")
  endif()
endforeach()
if(NOT EXISTS "${PE_FILE}")
  message(FATAL_ERROR "check-pe: ${PE_FILE} does not exist")
endif()

function(split_list out text)
  string(REPLACE "," ";" items "${text}")
  set(result "")
  foreach(item IN LISTS items)
    string(STRIP "${item}" item)
    if(NOT item STREQUAL "")
      list(APPEND result "${item}")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND "${OBJDUMP}" -p "${PE_FILE}"
  OUTPUT_VARIABLE dump ERROR_VARIABLE dump_error RESULT_VARIABLE dump_result)
if(NOT dump_result EQUAL 0)
  message(FATAL_ERROR "check-pe: ${OBJDUMP} -p failed (${dump_result}): ${dump_error}")
endif()
string(REPLACE "\r" "" dump "${dump}")
# One list element per line: list splitting treats ";" and square brackets
# specially, so those are replaced first ("[1]" reads "<1>" below).
string(REPLACE ";" "," dump "${dump}")
string(REPLACE "[" "<" dump "${dump}")
string(REPLACE "]" ">" dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")

set(failures "")

# Machine type.
if(DEFINED MACHINE AND NOT MACHINE STREQUAL "")
  if(NOT dump MATCHES "file format pei-([a-z0-9-]+)")
    list(APPEND failures "no PE file format in the dump")
  elseif(NOT CMAKE_MATCH_1 STREQUAL MACHINE)
    list(APPEND failures "machine differs: expected ${MACHINE}, found ${CMAKE_MATCH_1}")
  endif()
endif()

# Windows version in the optional header, as objdump prints its fields
# ("MajorSubsystemVersion<tab>4").
if(DEFINED WINDOWS_VERSION AND NOT WINDOWS_VERSION STREQUAL "")
  if(NOT WINDOWS_VERSION MATCHES "^[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "check-pe: WINDOWS_VERSION must be major.minor, not ${WINDOWS_VERSION}")
  endif()
  set(labels OS subsystem)
  set(fields OSystem Subsystem)
  foreach(label field IN ZIP_LISTS labels fields)
    if(dump MATCHES "\nMajor${field}Version[ \t]+([0-9]+)\nMinor${field}Version[ \t]+([0-9]+)\n")
      set(header_version "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
      if(NOT header_version STREQUAL WINDOWS_VERSION)
        list(APPEND failures
          "${label} version differs: expected ${WINDOWS_VERSION}, found ${header_version}")
      endif()
    else()
      list(APPEND failures "no ${label} version in the dump")
    endif()
  endforeach()
endif()

# Version resource: its texts are UTF-16, one per line of "strings -el".
if(DEFINED PRODUCT_VERSION AND NOT PRODUCT_VERSION STREQUAL "")
  find_program(STRINGS_PROGRAM strings REQUIRED)
  execute_process(COMMAND "${STRINGS_PROGRAM}" -el "${PE_FILE}" OUTPUT_VARIABLE texts)
  foreach(field FileVersion ProductVersion)
    if(NOT texts MATCHES "${field}\n([^\n]*)\n")
      list(APPEND failures "no ${field} in the version resource")
    elseif(NOT CMAKE_MATCH_1 STREQUAL PRODUCT_VERSION)
      list(APPEND failures "${field} differs: expected ${PRODUCT_VERSION}, found ${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

# Imports.
split_list(allowed "${ALLOWED_DLLS}")
string(TOLOWER "${allowed}" allowed)
set(imports "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*DLL Name: (.+)$")
    string(STRIP "${CMAKE_MATCH_1}" dll)
    string(TOLOWER "${dll}" dll)
    list(APPEND imports "${dll}")
  endif()
endforeach()
list(REMOVE_DUPLICATES imports)
foreach(dll IN LISTS imports)
  if(NOT dll IN_LIST allowed)
    list(APPEND failures "import not allowed: ${dll}")
  endif()
endforeach()

# Exports: the ordinal base, the size of the export address table (which
# also counts exports that have no name) and the named entries, each an
# index into that table.
set(base 1)
set(addresses "")
set(found "")
set(in_names FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^Ordinal Base[ \t]+([0-9]+)")
    set(base "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^[ \t]+< *([0-9]+)> \\+base")
    list(APPEND addresses "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^<Ordinal/Name Pointer> Table")
    set(in_names TRUE)
  elseif(in_names)
    if(line MATCHES "^[ \t]+< *([0-9]+)> (.+)$")
      math(EXPR ordinal "${CMAKE_MATCH_1} + ${base}")
      string(STRIP "${CMAKE_MATCH_2}" name)
      list(APPEND found "${ordinal}:${name}")
    else()
      set(in_names FALSE)
    endif()
  endif()
endforeach()
# objdump 2.40 prints parts of the export tables twice.
list(REMOVE_DUPLICATES found)
list(SORT found)

set(expected "")
if(DEFINED EXPECTED_EXPORTS)
  split_list(expected "${EXPECTED_EXPORTS}")
endif()
list(SORT expected)
if(NOT found STREQUAL expected)
  list(JOIN found ", " found_text)
  list(JOIN expected ", " expected_text)
  list(APPEND failures "exports differ: expected [${expected_text}], found [${found_text}]")
endif()
list(REMOVE_DUPLICATES addresses)
list(LENGTH addresses address_count)
list(LENGTH expected expected_count)
if(NOT address_count EQUAL expected_count)
  list(APPEND failures
    "exports differ: ${address_count} entries in the export address table, expected ${expected_count}")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "check-pe: ${PE_FILE}\n  ${text}")
endif()
list(JOIN imports ", " import_text)
message(STATUS "check-pe: ${PE_FILE} ${MACHINE} imports only [${import_text}]; exports as expected")
