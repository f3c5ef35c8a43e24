# orlevan_add_scene(TARGET SCENE.wrl [COUNT n] [VRML1])
#
# Builds the executable TARGET that shows the VRML scene SCENE.wrl in the viewer's
# window: the scene is converted to C++ at build time by orlevan-export (again
# whenever the file changes), then compiled with the run-time library and the host.
# COUNT is the tessellation count of the shapes (default 72, the viewer's).
# VRML1 reads the scene in the full VRML 1.0 language (orlevan-export --vrml1).
# A relative SCENE.wrl is taken from the current source folder.
function(orlevan_add_scene cible scene)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "VRML1" "COUNT" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "orlevan_add_scene: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT DEFINED ARG_COUNT)
    set(ARG_COUNT 72)
  endif()
  if(NOT ARG_COUNT MATCHES "^[0-9]+$" OR ARG_COUNT LESS 3)
    message(FATAL_ERROR "orlevan_add_scene: COUNT must be a whole number of 3 or more")
  endif()
  set(langue "")
  if(ARG_VRML1)
    set(langue --vrml1)
  endif()
  get_filename_component(source "${scene}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")

  # An alias names the same program inside Orlevan's own build; DEPENDS wants the
  # real target to re-run the conversion when the converter is rebuilt.
  set(convertisseur Orlevan::orlevan-export)
  get_target_property(reel ${convertisseur} ALIASED_TARGET)
  if(reel)
    set(convertisseur ${reel})
  endif()

  set(genere "${CMAKE_CURRENT_BINARY_DIR}/${cible}.scene.cpp")
  add_custom_command(OUTPUT "${genere}"
    COMMAND ${convertisseur} ${langue} -n ${ARG_COUNT} -o "${genere}" "${source}"
    DEPENDS "${source}" ${convertisseur}
    COMMENT "Converting ${scene} to C++ (count ${ARG_COUNT})"
    VERBATIM)
  add_executable(${cible} "${genere}")
  target_link_libraries(${cible} PRIVATE Orlevan::host Orlevan::runtime)
endfunction()
