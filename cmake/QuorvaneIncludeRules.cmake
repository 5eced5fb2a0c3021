# Includes follow the links. Every folder that holds libraries of the project
# gets a build step that fails when one of its files includes a header from
# another library's folder that its own libraries do not link, directly or
# through others. A dependency that points the wrong way (the record stream
# reaching into a writer, say) then fails the build even when it needs no
# symbol, as a header-only use would.

set_property(GLOBAL PROPERTY QUORVANE_LIBRARIES "")

# quorvane_register_library(name): called for each library as it is added.
function(quorvane_register_library name)
  set_property(GLOBAL APPEND PROPERTY QUORVANE_LIBRARIES ${name})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL PROPERTY QUORVANE_FOLDER_${name} ${folder})
endfunction()

# The libraries `name` reaches through its links, itself included, into `out`.
function(_quorvane_reachable name out)
  get_property(libraries GLOBAL PROPERTY QUORVANE_LIBRARIES)
  set(reached ${name})
  set(pending ${name})
  while(pending)
    list(POP_FRONT pending current)
    get_target_property(links ${current} LINK_LIBRARIES)
    set(linked "")
    foreach(link IN LISTS links)
      if(link MATCHES "^\\$<")  # a choice made at generation: every library it may name counts
        string(REGEX MATCHALL "[A-Za-z0-9_-]+" words "${link}")
        list(APPEND linked ${words})
      else()
        list(APPEND linked ${link})
      endif()
    endforeach()
    foreach(link IN LISTS linked)
      if(link IN_LIST libraries AND NOT link IN_LIST reached)
        list(APPEND reached ${link})
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${reached} PARENT_SCOPE)
endfunction()

function(_quorvane_define_include_checks)
  get_property(libraries GLOBAL PROPERTY QUORVANE_LIBRARIES)
  set(folders "")
  foreach(library IN LISTS libraries)
    get_property(folder GLOBAL PROPERTY QUORVANE_FOLDER_${library})
    list(APPEND folders ${folder})
    list(APPEND libraries_in_${folder} ${library})
  endforeach()
  list(REMOVE_DUPLICATES folders)

  foreach(folder IN LISTS folders)
    set(allowed ${folder})
    foreach(library IN LISTS libraries_in_${folder})
      _quorvane_reachable(${library} reached)
      foreach(other IN LISTS reached)
        get_property(other_folder GLOBAL PROPERTY QUORVANE_FOLDER_${other})
        list(APPEND allowed ${other_folder})
      endforeach()
    endforeach()
    list(REMOVE_DUPLICATES allowed)

    string(MAKE_C_IDENTIFIER ${folder} id)
    set(rules ${CMAKE_BINARY_DIR}/include-rules/${id}.cmake)
    set(stamp ${CMAKE_BINARY_DIR}/include-rules/${id}.stamp)
    file(WRITE ${rules}
      "set(ROOT \"${PROJECT_SOURCE_DIR}\")\nset(FOLDER \"${folder}\")\n"
      "set(ALLOWED \"${allowed}\")\nset(KNOWN \"${folders}\")\nset(STAMP \"${stamp}\")\n")
    file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
      DEPENDS ${files} ${rules} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
      COMMENT "Checking the includes of ${folder}"
      VERBATIM)
    add_custom_target(includes_${id} DEPENDS ${stamp})
    foreach(library IN LISTS libraries_in_${folder})
      add_dependencies(${library} includes_${id})
    endforeach()
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _quorvane_define_include_checks)
