# The layers of the source tree, each its own library. A layer's headers are reachable only
# through its include root, build/layers/<layer>/, which holds a link to each of its headers
# under its folder's name; a target sees the roots of the layers it links and nothing else, so an
# include of a layer it may not use fails to compile.
#
#   qc_layer(NAME FOLDER [HEADERS_ONLY] [USES layer...])
#
# makes the library qc_NAME of the .cpp files in src/FOLDER, publishing its root and linking the
# layers it uses; with HEADERS_ONLY (or no .cpp files) it is an interface library, and a program
# target compiles the folder's sources itself.
function(qc_layer name folder)
  cmake_parse_arguments(PARSE_ARGV 2 LAYER "HEADERS_ONLY" "" "USES")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
  set(root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
  endforeach()
  list(TRANSFORM LAYER_USES PREPEND qc_)
  if(sources AND NOT LAYER_HEADERS_ONLY)
    add_library(qc_${name} STATIC ${sources})
    target_include_directories(qc_${name} PUBLIC ${root})
    target_link_libraries(qc_${name} PUBLIC ${LAYER_USES})
    target_compile_options(qc_${name} PRIVATE ${QC_WARNINGS})
  else()
    add_library(qc_${name} INTERFACE)
    target_include_directories(qc_${name} INTERFACE ${root})
    target_link_libraries(qc_${name} INTERFACE ${LAYER_USES})
  endif()
endfunction()
