# The Windows program itself and its end-to-end tests (only in the win32 build).
enable_language(RC)

file(GLOB_RECURSE QC_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/win32/*.cpp)
set(QC_WIN32_LIBS comctl32 shell32 gdi32 user32 kernel32 uxtheme)

add_executable(QuorlinConversion WIN32 ${QC_WIN32_SOURCES} ${CMAKE_SOURCE_DIR}/src/app/res/QuorlinConversion.rc)
target_link_libraries(QuorlinConversion PRIVATE qc_core ${QC_WIN32_LIBS})
target_compile_options(QuorlinConversion PRIVATE ${QC_WARNINGS})
target_compile_definitions(QuorlinConversion PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set_target_properties(QuorlinConversion PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_BINARY_DIR}/e2e)
endif()
