# One library per folder of src/, declared lowest first. A layer may use the
# layers it names and, through them, everything below; naming only layers
# declared before it keeps the stack free of cycles.
#
#   sumline_layer(<folder> [DEPENDS <layer>...])
#
# makes sumline_<folder> from src/<folder>/*.cpp (its sub-folders are layers
# of their own, e.g. "platform/sdl"; a slash becomes "_" in the library
# name), and an include
# folder build/layers/<folder>/ holding links to the top folders of the layers
# it may use, so its code cannot see a header of a folder above it.
# SUMLINE_LAYER_INCLUDE_<folder> names that include folder.

set(SUMLINE_LAYER_NAMES "" CACHE INTERNAL "")

function(sumline_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "DEPENDS")
  set(allowed ${name})
  foreach(dep IN LISTS ARG_DEPENDS)
    if(NOT dep IN_LIST SUMLINE_LAYER_NAMES)
      message(FATAL_ERROR "layer ${name} uses ${dep}, which is not declared below it")
    endif()
    list(APPEND allowed ${SUMLINE_LAYER_ALLOWED_${dep}})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(SUMLINE_LAYER_ALLOWED_${name} "${allowed}" CACHE INTERNAL "")
  set(SUMLINE_LAYER_NAMES "${SUMLINE_LAYER_NAMES};${name}" CACHE INTERNAL "")

  # The include folder: a link per top folder of the usable layers (a
  # sub-folder layer comes with its top folder; the include check keeps it
  # apart).
  string(REPLACE "/" "_" target ${name})
  set(fence ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${fence})
  file(MAKE_DIRECTORY ${fence})
  set(tops "")
  foreach(folder IN LISTS allowed)
    string(REGEX REPLACE "/.*$" "" top ${folder})
    list(APPEND tops ${top})
  endforeach()
  list(REMOVE_DUPLICATES tops)
  foreach(top IN LISTS tops)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${top} ${fence}/${top} SYMBOLIC)
  endforeach()
  set(SUMLINE_LAYER_INCLUDE_${name} ${fence} CACHE INTERNAL "")

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(name STREQUAL "app")
    return()  # the executable's own folder
  endif()
  if(sources)
    add_library(sumline_${target} STATIC ${sources})
    target_include_directories(sumline_${target} PRIVATE ${fence})
  else()
    add_library(sumline_${target} INTERFACE)
  endif()
  foreach(dep IN LISTS ARG_DEPENDS)
    string(REPLACE "/" "_" depTarget ${dep})
    if(sources)
      target_link_libraries(sumline_${target} PUBLIC sumline_${depTarget})
    else()
      target_link_libraries(sumline_${target} INTERFACE sumline_${depTarget})
    endif()
  endforeach()
endfunction()

# Writes "<folder>: <usable folders>" per layer, for the include check.
function(sumline_write_layer_table path)
  set(text "")
  foreach(name IN LISTS SUMLINE_LAYER_NAMES)
    if(name)
      string(REPLACE ";" " " usable "${SUMLINE_LAYER_ALLOWED_${name}}")
      string(APPEND text "${name}: ${usable}\n")
    endif()
  endforeach()
  # The backends sit on the platform alone.
  string(APPEND text "platform/sdl: platform/sdl platform\n")
  string(APPEND text "platform/virtual: platform/virtual platform\n")
  file(WRITE ${path} "${text}")
endfunction()
