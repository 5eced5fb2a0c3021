# Warnings and sanitizers shared by every target of the project.

add_library(quorvane_options INTERFACE)
target_compile_options(quorvane_options INTERFACE -Wall -Wextra -Wpedantic)

if(QUORVANE_SANITIZE)
  target_compile_options(quorvane_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quorvane_options INTERFACE -fsanitize=address,undefined)
endif()

# quorvane_add_library(name SOURCES ... LINKS ...): a static library with the
# project's options, its folder's parent on the include path.
function(quorvane_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC quorvane_options ${ARG_LINKS})
  quorvane_register_library(${name})
endfunction()

include(QuorvaneIncludeRules)
