# The Windows program itself and its end-to-end tests (only in the win32 build).
enable_language(RC)

file(GLOB_RECURSE QC_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win32/*.cpp)
set(QC_WIN32_LIBS comctl32 shell32 gdi32 user32 kernel32 uxtheme)

set(QC_WIN32_RC ${CMAKE_SOURCE_DIR}/src/app/res/QuorlinConversion.rc)
if(QC_WIN32_SOURCES AND EXISTS ${QC_WIN32_RC})
  add_executable(QuorlinConversion WIN32 ${QC_WIN32_SOURCES} ${QC_WIN32_RC})
  target_link_libraries(QuorlinConversion PRIVATE qc_core ${QC_WIN32_LIBS})
  target_compile_options(QuorlinConversion PRIVATE ${QC_WARNINGS})
  target_compile_definitions(QuorlinConversion PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  set_target_properties(QuorlinConversion PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
elseif(QC_WIN32_SOURCES)
  # Until the program has its entry point and resources, its win32 units are still compiled.
  add_library(qc_win32_units OBJECT ${QC_WIN32_SOURCES})
  target_link_libraries(qc_win32_units PRIVATE qc_core)
  target_compile_options(qc_win32_units PRIVATE ${QC_WARNINGS})
  target_compile_definitions(qc_win32_units PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()
