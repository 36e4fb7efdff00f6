# yorvane_layer(TARGET FOLDER [SOURCES name.cpp ...] [HEADERS name.h ...] [LINKS target ...])
#
# A static library of the sources in src/FOLDER (all of its .cpp files unless
# SOURCES names them). Its headers are included as "FOLDER/name.h" through an
# include root of its own that holds links to this folder's headers only (all
# of them unless HEADERS names them). A target therefore sees its own headers
# and those of the targets it links, and nothing else: an include against the
# direction of the layers does not compile.
function(yorvane_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;HEADERS;LINKS")
  set(dir ${PROJECT_SOURCE_DIR}/src/${folder})
  if(arg_SOURCES)
    list(TRANSFORM arg_SOURCES PREPEND ${dir}/ OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  endif()
  if(arg_HEADERS)
    list(TRANSFORM arg_HEADERS PREPEND ${dir}/ OUTPUT_VARIABLE headers)
  else()
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  endif()

  set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    cmake_path(GET header FILENAME name)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()

  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${arg_LINKS})
  yorvane_set_warnings(${target})
endfunction()
