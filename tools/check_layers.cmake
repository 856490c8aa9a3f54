# Fails when a source file of src/ includes a header of a folder its layer may
# not use. Run as:
#   cmake -DLAYERS=<build>/layers.txt -DSOURCE=<repo>/src -P check_layers.cmake
# The layer table ("<folder>: <usable folders>") is written by the build from
# the layer declarations in CMakeLists.txt.

cmake_minimum_required(VERSION 3.22)

if(NOT EXISTS "${LAYERS}" OR NOT IS_DIRECTORY "${SOURCE}")
  message(FATAL_ERROR "usage: cmake -DLAYERS=<layers.txt> -DSOURCE=<src> -P check_layers.cmake")
endif()

file(STRINGS "${LAYERS}" table)
set(folders "")
foreach(line IN LISTS table)
  string(REGEX MATCH "^([^:]+): (.*)$" matched "${line}")
  if(matched)
    set(folder "${CMAKE_MATCH_1}")
    string(REPLACE " " ";" usable "${CMAKE_MATCH_2}")
    set(USABLE_${folder} "${usable}")
    list(APPEND folders "${folder}")
  endif()
endforeach()

file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/*.h" "${SOURCE}/*.cpp")
list(SORT files)
set(faults 0)
set(checked 0)
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  if(NOT folder IN_LIST folders)
    message(SEND_ERROR "${file}: the folder ${folder} is not a layer of the stack")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  file(STRINGS "${SOURCE}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${line}")
    get_filename_component(target "${header}" DIRECTORY)
    if(target STREQUAL "")
      set(target "${folder}")  # beside the file itself
    endif()
    math(EXPR checked "${checked} + 1")
    if(NOT target IN_LIST USABLE_${folder})
      message(SEND_ERROR "${file}: includes \"${header}\", but ${folder} may use only: ${USABLE_${folder}}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH files fileCount)
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
message(STATUS "layers kept: ${checked} includes in ${fileCount} files")
