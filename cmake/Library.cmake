# The C interface: the layer src/capi/ over the codes, a front-end beside the command line. In the
# native build (not the fuzz build) it also makes the libraries a program links: libquorlin.so.1,
# which exports the quorlin_* functions and nothing else, and libquorlin.a; `cmake --install`
# puts them, include/quorlin.h, quorlin.pc and the quorlin program under the prefix.
qc_layer(capi capi USES codes base)
target_include_directories(qc_capi PUBLIC ${CMAKE_SOURCE_DIR}/include)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/capi/QuorlinApi.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS QC_VERSION="${QC_VERSION}")

if(WIN32 OR QC_FUZZ)
  return()
endif()

# Everything a library carries, compiled once, position-independent so a shared object (this
# library, the Python module) can hold it.
set(QC_LIBRARY_LAYERS qc_capi qc_codes qc_convert qc_base)
set_target_properties(${QC_LIBRARY_LAYERS} PROPERTIES POSITION_INDEPENDENT_CODE ON)
set(QC_LIBRARY_OBJECTS)
foreach(layer IN LISTS QC_LIBRARY_LAYERS)
  list(APPEND QC_LIBRARY_OBJECTS $<TARGET_OBJECTS:${layer}>)
endforeach()

string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" QC_LIBRARY_VERSION "${QC_VERSION}")
set(QC_EXPORTS ${CMAKE_SOURCE_DIR}/src/capi/exports.map)
add_library(quorlin_shared SHARED ${QC_LIBRARY_OBJECTS})
set_target_properties(quorlin_shared PROPERTIES OUTPUT_NAME quorlin VERSION ${QC_LIBRARY_VERSION}
                      SOVERSION 1 LINK_DEPENDS ${QC_EXPORTS})
target_link_options(quorlin_shared PRIVATE -Wl,--version-script=${QC_EXPORTS} -Wl,--no-undefined
                    -Wl,--gc-sections)
add_library(quorlin_static STATIC ${QC_LIBRARY_OBJECTS})
set_target_properties(quorlin_static PROPERTIES OUTPUT_NAME quorlin)

include(GNUInstallDirs)
# quorlin.pc finds its prefix from its own folder, so the installed tree can be moved (a staging
# folder, a package's root).
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(QC_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
  set(QC_PC_LIBDIR "${CMAKE_INSTALL_FULL_LIBDIR}")
  set(QC_PC_INCLUDEDIR "${CMAKE_INSTALL_FULL_INCLUDEDIR}")
else()
  file(RELATIVE_PATH QC_PC_UP /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
  string(REGEX REPLACE "/$" "" QC_PC_UP "${QC_PC_UP}")
  set(QC_PC_PREFIX "\${pcfiledir}/${QC_PC_UP}")
  set(QC_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
  set(QC_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/quorlin.pc.in ${CMAKE_BINARY_DIR}/quorlin.pc @ONLY)

install(TARGETS quorlin_shared quorlin_static
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT dev
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
install(TARGETS quorlin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/quorlin.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT dev)
install(FILES ${CMAKE_BINARY_DIR}/quorlin.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT dev)
