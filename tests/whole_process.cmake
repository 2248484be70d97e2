# Tests that look at the build as a whole or run it as a user's system would:
# the layers as the compile commands show them, the installed tree, the
# desktop metadata, a Wayland-only session.

# The program's code (checks/, shell/) compiles without any Qt include
# directory; the two fixtures show the check failing where it must.
set(qt_include_dirs "")
foreach(qt_target Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Test)
  get_target_property(dirs ${qt_target} INTERFACE_INCLUDE_DIRECTORIES)
  list(APPEND qt_include_dirs ${dirs})
endforeach()
list(REMOVE_DUPLICATES qt_include_dirs)
set(no_qt_script "${CMAKE_CURRENT_SOURCE_DIR}/layers/no_qt_in_program.cmake")
add_test(NAME program_code_has_no_qt_include
  COMMAND "${CMAKE_COMMAND}"
    "-DCOMPILE_COMMANDS=${CMAKE_BINARY_DIR}/compile_commands.json"
    "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}"
    "-DBUILD_DIR=${CMAKE_BINARY_DIR}"
    "-DQT_INCLUDE_DIRS=${qt_include_dirs}"
    -P "${no_qt_script}")
# Fixture, its source and build trees, Qt's include directory, what the
# check must say. A checkout, a shadow build and another library under a
# "QtProjects" folder pass, yet a real Qt directory beside them is still found.
set(qt_projects /home/ada/QtProjects)
set(debian_qt /usr/include/x86_64-linux-gnu/qt6)
foreach(fixture_case
    "fails_on_qt_in_shell|/src|/src/build|/opt/qt/include|shell/app.cpp compiles with the Qt include directory /opt/qt/include/QtWidgets"
    "fails_on_no_program_sources|/src|/src/build|${debian_qt}|No compile command of a checks/ or shell/ source in"
    "passes_under_qt_projects|${qt_projects}/corvanta|${qt_projects}/build-corvanta-Debug|${debian_qt}|2 compile commands of checks/ and shell/ hold no Qt include directory"
    "passes_with_a_library_under_qt_projects|/src|/src/build|${debian_qt}|2 compile commands of checks/ and shell/ hold no Qt include directory"
    "fails_on_qt_under_qt_projects|${qt_projects}/corvanta|${qt_projects}/build-corvanta-Debug|${debian_qt}|shell/app.cpp compiles with the Qt include directory ${debian_qt}/QtWidgets")
  string(REPLACE "|" ";" fixture_case "${fixture_case}")
  list(GET fixture_case 0 name)
  list(GET fixture_case 1 source)
  list(GET fixture_case 2 build)
  list(GET fixture_case 3 qt)
  list(GET fixture_case 4 expected)
  string(REGEX REPLACE "^(fails_on|passes_under|passes_with)_" "" fixture "${name}")
  add_test(NAME program_code_has_no_qt_include_${name}
    COMMAND "${CMAKE_COMMAND}"
      "-DCOMPILE_COMMANDS=${CMAKE_CURRENT_SOURCE_DIR}/layers/${fixture}.json"
      "-DSOURCE_DIR=${source}"
      "-DBUILD_DIR=${build}"
      "-DQT_INCLUDE_DIRS=${qt}"
      -P "${no_qt_script}")
  set_tests_properties(program_code_has_no_qt_include_${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${expected}")
endforeach()

# The installed tree, as a package would hold it, and the application started
# through its launcher.
add_test(NAME install
  COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/install/run_install_test.sh" "${CMAKE_BINARY_DIR}" "${PROJECT_SOURCE_DIR}")
set_tests_properties(install PROPERTIES TIMEOUT 120)

# The launcher under other bin folders (a relative one, one two folders deep,
# an absolute one): each a tree of its own, configured only, that installs the
# launcher alone.
foreach(bindir games sbin/tools /opt/corvanta/bin)
  string(MAKE_C_IDENTIFIER "${bindir}" name)
  add_test(NAME install_launcher_in_${name}
    COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/install/run_launcher_test.sh" "${PROJECT_SOURCE_DIR}" "${bindir}")
  set_tests_properties(install_launcher_in_${name} PROPERTIES TIMEOUT 120)
endforeach()

# A Wayland-only session: the built application on a headless Weston.
add_test(NAME wayland
  COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/wayland/run_wayland.sh" "$<TARGET_FILE:corvanta>"
    "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms")
set_tests_properties(wayland PROPERTIES TIMEOUT 120)

# The metainfo that software centres read (appstream's validator, offline).
add_test(NAME metainfo_validates
  COMMAND appstreamcli validate --no-net --pedantic "${PROJECT_SOURCE_DIR}/shell/org.corvanta.corvanta.metainfo.xml")

# scripts/check-format in a folder of each kind: it passes only where it
# checked at least one file.
foreach(format_case
    "outside_a_checkout|plain|1|is not a git checkout"
    "with_no_file|no_cpp|1|git tracks no C\\+\\+ file"
    "with_a_formatted_file|formatted|0|All 1 C\\+\\+ files are formatted")
  string(REPLACE "|" ";" format_case "${format_case}")
  list(GET format_case 0 name)
  list(GET format_case 1 kind)
  list(GET format_case 2 code)
  list(GET format_case 3 expected)
  add_test(NAME check_format_${name}
    COMMAND "${CMAKE_CURRENT_SOURCE_DIR}/format/run_check_format.sh" "${PROJECT_SOURCE_DIR}" ${kind} ${code})
  set_tests_properties(check_format_${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${expected}"
    FAIL_REGULAR_EXPRESSION "FAIL: ")
endforeach()
