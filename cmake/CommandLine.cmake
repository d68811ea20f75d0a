# The command-line program `quorlin`: the layer src/cli/ (everything but the entry point, so the
# unit tests can link it) and the program, in both builds.
find_package(Threads REQUIRED)

qc_layer(cli cli USES codes convert base)
target_link_libraries(qc_cli PUBLIC Threads::Threads)

# CLI11 is header-only; only its own folder is put on the include path (all of /usr/include would
# hand the cross build the host's headers).
set(QC_CLI11_ROOT ${CMAKE_BINARY_DIR}/thirdparty/cli11)
file(MAKE_DIRECTORY ${QC_CLI11_ROOT})
file(CREATE_LINK /usr/include/CLI ${QC_CLI11_ROOT}/CLI SYMBOLIC)
target_include_directories(qc_cli SYSTEM PRIVATE ${QC_CLI11_ROOT})

# The version has one home, the window program's resource script; --version reads it from there.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/app/res/QuorlinConversion.rc QC_VERSION_LINE
     REGEX "VALUE \"ProductVersion\"")
string(REGEX REPLACE ".*\"ProductVersion\", \"([^\"]+)\".*" "\\1" QC_VERSION "${QC_VERSION_LINE}")
if(NOT QC_VERSION MATCHES "^[0-9.]+$")
  message(FATAL_ERROR "no ProductVersion in QuorlinConversion.rc")
endif()
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/cli/CliApp.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             QC_VERSION="${QC_VERSION}")

add_executable(quorlin ${CMAKE_SOURCE_DIR}/src/cli/main/Main.cpp)
target_link_libraries(quorlin PRIVATE qc_cli)
if(WIN32)
  # The wide command line, for UTF-8 values.
  qc_layer(cli_win32 cli/win32 USES cli)
  target_link_libraries(qc_cli_win32 PUBLIC shell32 kernel32)
  target_link_libraries(quorlin PRIVATE qc_cli_win32)
  # Shipped beside the window program: stripped, unused sections left out.
  target_link_options(quorlin PRIVATE -Wl,--gc-sections -s)
endif()
target_compile_options(quorlin PRIVATE ${QC_WARNINGS})
set_target_properties(quorlin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})


# The texts `quorlin help` prints and the manual page quorlin(1), both made from the manual's one
# source by Debian's own python3 (a python3 earlier on PATH may be another one).
set(QC_DOC_SOURCE ${CMAKE_SOURCE_DIR}/docs/quorlin.txt)
set(QC_DOC_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/quorlin-doc.py)
set(QC_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${QC_GENERATED})
add_custom_command(
  OUTPUT ${QC_GENERATED}/QuorlinHelp.inc
  COMMAND /usr/bin/python3 ${QC_DOC_SCRIPT} help ${QC_DOC_SOURCE} ${QC_GENERATED}/QuorlinHelp.inc
  DEPENDS ${QC_DOC_SOURCE} ${QC_DOC_SCRIPT} VERBATIM)
target_sources(qc_cli PRIVATE ${QC_GENERATED}/QuorlinHelp.inc)
target_include_directories(qc_cli PRIVATE ${QC_GENERATED})

if(NOT WIN32)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/quorlin.1
    COMMAND /usr/bin/python3 ${QC_DOC_SCRIPT} man ${QC_DOC_SOURCE} ${QC_VERSION}
            ${CMAKE_BINARY_DIR}/quorlin.1
    DEPENDS ${QC_DOC_SOURCE} ${QC_DOC_SCRIPT} VERBATIM)
  add_custom_target(manual ALL DEPENDS ${CMAKE_BINARY_DIR}/quorlin.1)

  include(GNUInstallDirs)
  install(FILES ${CMAKE_BINARY_DIR}/quorlin.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quorlin.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quorlin)
endif()
