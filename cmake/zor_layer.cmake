# One static library per layer. Its headers are reachable as "FOLDER/name.h"
# only through forwarding headers in the build tree that belong to the layer's
# own target, so a layer that includes a header of a layer it does not link
# fails to compile instead of quietly growing a dependency.
#
# zor_add_layer(TARGET FOLDER folder SOURCES files... [PUBLIC libs...] [PRIVATE libs...])
# SOURCES are paths relative to the folder, .h and .cpp; the .h files are the
# ones the layer offers.
function(zor_add_layer target)
  cmake_parse_arguments(LAYER "" "FOLDER" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  set(folder_dir ${PROJECT_SOURCE_DIR}/src/${LAYER_FOLDER})
  set(include_root ${PROJECT_BINARY_DIR}/layers/${target})
  set(forward_dir ${include_root}/${LAYER_FOLDER})

  set(sources "")
  set(wanted "")
  foreach(file ${LAYER_SOURCES})
    list(APPEND sources ${folder_dir}/${file})
    if(file MATCHES "\\.h$")
      list(APPEND wanted ${forward_dir}/${file})
      file(CONFIGURE OUTPUT ${forward_dir}/${file}
           CONTENT "#include \"${folder_dir}/${file}\"\n" @ONLY)
    endif()
  endforeach()
  # A header that left the layer must not stay reachable through its forwarder.
  file(GLOB existing ${forward_dir}/*.h)
  foreach(stale ${existing})
    if(NOT stale IN_LIST wanted)
      file(REMOVE ${stale})
    endif()
  endforeach()

  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${include_root})
  if(LAYER_PUBLIC)
    target_link_libraries(${target} PUBLIC ${LAYER_PUBLIC})
  endif()
  if(LAYER_PRIVATE)
    target_link_libraries(${target} PRIVATE ${LAYER_PRIVATE})
  endif()
endfunction()

# The files of a folder, relative to it, for layers that are a whole folder.
function(zor_folder_files out folder)
  file(GLOB files CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/src/${folder}
       ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  list(REMOVE_ITEM files main.cpp)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
