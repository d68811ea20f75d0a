# The Windows program itself and its end-to-end tests (only in the win32 build).
enable_language(RC)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# The program is small before it is fast: every function it runs takes microseconds. Unused
# functions and data are left out at link time.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
add_compile_options(-ffunction-sections -fdata-sections)

# The Windows sides of the layers, above all the platform-free ones.
qc_layer(convert_win32 convert/win32 USES convert)
qc_layer(toolkit_win32 toolkit/win32 USES toolkit)
# comctl32 and shell32 are bound when first needed (SystemLibraries.h), not linked.
target_link_libraries(qc_toolkit_win32 PUBLIC gdi32 user32 kernel32)
qc_layer(trayicon_win32 trayicon/win32 USES trayicon toolkit_win32)
qc_layer(ui_win32 ui/win32 USES ui convert trayicon_win32 toolkit_win32)
qc_layer(app_win32 app/win32 HEADERS_ONLY USES app ui_win32 convert_win32)

# Unit tests of the Windows side's own small rules, run under Wine with the portable ones.
file(GLOB QC_WIN32_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/win32/*.cpp)
target_sources(unit_tests PRIVATE ${QC_WIN32_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE qc_toolkit_win32 qc_convert_win32)

# The entry point lives in the program itself: the C runtime's reference to WinMain is resolved
# after the program's own libraries have been read.
file(GLOB QC_APP_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/win32/*.cpp)
add_executable(QuorlinConversion WIN32 ${QC_APP_WIN32_SOURCES}
                                       ${CMAKE_SOURCE_DIR}/src/app/res/QuorlinConversion.rc)
target_link_libraries(QuorlinConversion PRIVATE qc_app_win32)
target_link_options(QuorlinConversion PRIVATE -Wl,--gc-sections -s)
target_compile_options(QuorlinConversion PRIVATE ${QC_WARNINGS})
set_target_properties(QuorlinConversion PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()

# The anchor of the start-up benchmark and of the idle test: the least a windowed program does.
add_executable(minimal_window WIN32 ${CMAKE_SOURCE_DIR}/bench/MinimalWindow.cpp)
# The start-up benchmark's timer (scripts/bench-startup.sh builds it; not part of all).
add_executable(startup_timer EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/StartupTimer.cpp)
foreach(target minimal_window startup_timer)
  target_compile_options(${target} PRIVATE ${QC_WARNINGS})
  target_link_libraries(${target} PRIVATE user32 kernel32)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endforeach()
