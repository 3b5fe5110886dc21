# The program's folders are libraries on floors: a folder uses only folders declared before it,
# so no two folders can depend on each other, directly or around a circle.
#
#   zq_folder(<folder> [USES <folder>...] [LIBS <library>...] SOURCES <file>...)
#     the library zq_<folder>, linked with the libraries of the folders it uses
#   zq_layer(<folder> [USES <folder>...] [LIBRARY <target>])
#     only the floor, for a folder that makes its library itself (named by LIBRARY)
#
# A folder may include its own headers and those of the folders it uses, directly or through
# them. The tests stand on the floors too (tests/CMakeLists.txt). zq_write_layering(<file>)
# writes all that down for the layering test (cmake/CheckLayering.cmake).

function(zq_layer folder)
  cmake_parse_arguments(arg "" "LIBRARY" "USES" ${ARGN})
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
  if(arg_LIBRARY)
    set_property(GLOBAL PROPERTY ZQ_LIBRARY_${folder} ${arg_LIBRARY})
    zq_library_on(${folder} ${arg_LIBRARY})
  endif()
endfunction()

# zq_library_on(<folder> <target>): the library <target> stands on <folder>'s floor, so linking
# it counts as using <folder>.
function(zq_library_on folder target)
  set_property(GLOBAL APPEND PROPERTY ZQ_LIBRARIES "${target}: ${folder}")
endfunction()

# The folders <folder> may use (itself first); empty when it is no folder of the program.
function(zq_floor_of folder out)
  get_property(allowed GLOBAL PROPERTY ZQ_LAYER_${folder})
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

function(zq_folder folder)
  cmake_parse_arguments(arg "" "" "USES;LIBS;SOURCES" ${ARGN})
  zq_layer(${folder} USES ${arg_USES} LIBRARY zq_${folder})
  list(TRANSFORM arg_USES PREPEND zq_ OUTPUT_VARIABLE used)
  set(compiled ${arg_SOURCES})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(zq_${folder} STATIC ${arg_SOURCES})
    target_include_directories(zq_${folder} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(zq_${folder} PUBLIC ${used} ${arg_LIBS})
    zq_precompile_qt(zq_${folder})
  else() # headers only
    add_library(zq_${folder} INTERFACE ${arg_SOURCES})
    target_include_directories(zq_${folder} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(zq_${folder} INTERFACE ${used} ${arg_LIBS})
  endif()
endfunction()

# Written when the build is generated, when every test's links are known. Each line:
#   folder <folder>: <folders it may include>
#   library <target>: <folder it stands on>
#   target <target>: <folders it may include> | <its sources> | <what it links>
function(zq_write_layering file)
  get_property(layers GLOBAL PROPERTY ZQ_LAYERS)
  set(text "")
  foreach(folder IN LISTS layers)
    get_property(allowed GLOBAL PROPERTY ZQ_LAYER_${folder})
    list(JOIN allowed " " allowed)
    string(APPEND text "folder ${folder}: ${allowed}\n")
  endforeach()
  get_property(libraries GLOBAL PROPERTY ZQ_LIBRARIES)
  foreach(library IN LISTS libraries)
    string(APPEND text "library ${library}\n")
  endforeach()
  get_property(held GLOBAL PROPERTY ZQ_HELD_TARGETS)
  foreach(target IN LISTS held)
    set(floor "$<TARGET_PROPERTY:${target},ZQ_FLOOR>")
    set(sources "$<TARGET_PROPERTY:${target},ZQ_CHECKED_SOURCES>")
    set(links "$<TARGET_PROPERTY:${target},LINK_LIBRARIES>")
    string(APPEND text "target ${target}: $<JOIN:${floor}, > | $<JOIN:${sources}, > | $<JOIN:${links}, >\n")
  endforeach()
  file(GENERATE OUTPUT ${file} CONTENT "${text}")
endfunction()
