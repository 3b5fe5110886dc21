# The program's folders are libraries on floors: a folder uses only folders declared before it,
# so no two folders can depend on each other, directly or around a circle.
#
#   zq_folder(<folder> [USES <folder>...] [LIBS <library>...] SOURCES <file>...)
#     the library zq_<folder>, linked with the libraries of the folders it uses
#   zq_layer(<folder> [USES <folder>...])
#     only the floor, for a folder that makes libraries of its own
#
# A folder may include its own headers and those of the folders it uses, directly or through
# them. zq_write_layering(<file>) writes that down for the layering test
# (cmake/CheckLayering.cmake).

function(zq_layer folder)
  cmake_parse_arguments(arg "" "" "USES" ${ARGN})
  set(allowed ${folder})
  foreach(used IN LISTS arg_USES)
    get_property(declared GLOBAL PROPERTY ZQ_LAYER_${used} SET)
    if(NOT declared)
      message(FATAL_ERROR "${folder}/ uses ${used}/, which is not declared before it")
    endif()
    get_property(below GLOBAL PROPERTY ZQ_LAYER_${used})
    list(APPEND allowed ${below})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY ZQ_LAYER_${folder} ${allowed})
  set_property(GLOBAL APPEND PROPERTY ZQ_LAYERS ${folder})
endfunction()

function(zq_folder folder)
  cmake_parse_arguments(arg "" "" "USES;LIBS;SOURCES" ${ARGN})
  zq_layer(${folder} USES ${arg_USES})
  list(TRANSFORM arg_USES PREPEND zq_ OUTPUT_VARIABLE used)
  set(compiled ${arg_SOURCES})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(zq_${folder} STATIC ${arg_SOURCES})
    target_include_directories(zq_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(zq_${folder} PUBLIC ${used} ${arg_LIBS})
  else() # headers only
    add_library(zq_${folder} INTERFACE ${arg_SOURCES})
    target_include_directories(zq_${folder} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(zq_${folder} INTERFACE ${used} ${arg_LIBS})
  endif()
endfunction()

function(zq_write_layering file)
  get_property(layers GLOBAL PROPERTY ZQ_LAYERS)
  set(text "")
  foreach(folder IN LISTS layers)
    get_property(allowed GLOBAL PROPERTY ZQ_LAYER_${folder})
    list(JOIN allowed " " allowed)
    string(APPEND text "${folder}: ${allowed}\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
