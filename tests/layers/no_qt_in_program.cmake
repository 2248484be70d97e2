# Fails when a compile command of a source under checks/ or shell/ holds a Qt
# include directory: the program's code is written against the framework
# layer and must not be able to include a Qt header.
#
#   cmake -DCOMPILE_COMMANDS=<compile_commands.json> -DSOURCE_DIR=<source root>
#         -DBUILD_DIR=<build root> "-DQT_INCLUDE_DIRS=<dir>;<dir>..."
#         -P no_qt_in_program.cmake
#
# A directory counts as Qt's when it is one of QT_INCLUDE_DIRS (the include
# directories Qt's own targets give) or lies below one of them. No directory
# is judged by its name: a checkout, a build or another library may sit in a
# folder called "QtProjects" (Qt Creator's habit) without being Qt. The source
# and the build tree are the project's own and are never Qt's.

cmake_minimum_required(VERSION 3.25)

foreach(var COMPILE_COMMANDS SOURCE_DIR BUILD_DIR QT_INCLUDE_DIRS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "no_qt_in_program: ${var} is not given")
  endif()
endforeach()
if(NOT EXISTS "${COMPILE_COMMANDS}")
  message(FATAL_ERROR "no ${COMPILE_COMMANDS}: the build must export its compile commands")
endif()

set(qt_dirs "")
foreach(dir IN LISTS QT_INCLUDE_DIRS)
  cmake_path(SET dir NORMALIZE "${dir}")
  string(REGEX REPLACE "/$" "" dir "${dir}")
  list(APPEND qt_dirs "${dir}")
endforeach()

function(is_qt_dir dir out)
  set(${out} FALSE PARENT_SCOPE)
  foreach(tree IN ITEMS "${SOURCE_DIR}" "${BUILD_DIR}")
    cmake_path(IS_PREFIX tree "${dir}" NORMALIZE own)
    if(own)
      return()
    endif()
  endforeach()
  foreach(qt IN LISTS qt_dirs)
    cmake_path(IS_PREFIX qt "${dir}" NORMALIZE below)
    if(below)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

file(READ "${COMPILE_COMMANDS}" json)
string(JSON count LENGTH "${json}")
set(checked 0)
set(offences "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON file GET "${json}" ${i} file)
  string(JSON directory GET "${json}" ${i} directory)
  cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${directory}" NORMALIZE)
  cmake_path(IS_PREFIX SOURCE_DIR "${file}" NORMALIZE inside)
  if(NOT inside)
    continue()
  endif()
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE relative)
  if(NOT relative MATCHES "^(checks|shell)/")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")

  # Either one command line or its arguments, one by one.
  string(JSON command ERROR_VARIABLE no_command GET "${json}" ${i} command)
  if(no_command)
    string(JSON n LENGTH "${json}" ${i} arguments)
    math(EXPR n_last "${n} - 1")
    set(args "")
    foreach(a RANGE ${n_last})
      string(JSON arg GET "${json}" ${i} arguments ${a})
      list(APPEND args "${arg}")
    endforeach()
  else()
    separate_arguments(args UNIX_COMMAND "${command}")
  endif()

  set(takes_dir FALSE)
  foreach(arg IN LISTS args)
    set(dir "")
    if(takes_dir)
      set(dir "${arg}")
      set(takes_dir FALSE)
    elseif(arg MATCHES "^-(I|isystem|iquote|idirafter)$")
      set(takes_dir TRUE)
    elseif(arg MATCHES "^-(I|isystem|iquote|idirafter)(.+)$")
      set(dir "${CMAKE_MATCH_2}")
    endif()
    if(dir STREQUAL "")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${directory}" NORMALIZE)
    string(REGEX REPLACE "/$" "" dir "${dir}")
    is_qt_dir("${dir}" qt)
    if(qt)
      string(APPEND offences "  ${relative} compiles with the Qt include directory ${dir}\n")
    endif()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No compile command of a checks/ or shell/ source in ${COMPILE_COMMANDS}")
endif()
if(NOT offences STREQUAL "")
  message(FATAL_ERROR "The program's code can include Qt headers:\n${offences}")
endif()
message(STATUS "${checked} compile commands of checks/ and shell/ hold no Qt include directory")
