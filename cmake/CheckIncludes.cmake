# Run by the build for one folder (see QuorvaneIncludeRules.cmake): fails
# when a file of FOLDER includes a header of a library folder outside ALLOWED.
cmake_minimum_required(VERSION 3.20)
include(${RULES})

file(GLOB files ${ROOT}/${FOLDER}/*.h ${ROOT}/${FOLDER}/*.cpp)
set(wrong 0)
foreach(file IN LISTS files)
  file(STRINGS ${file} includes REGEX "^#include \"[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(header_folder ${header} DIRECTORY)
    if(header_folder IN_LIST KNOWN AND NOT header_folder IN_LIST ALLOWED)
      file(RELATIVE_PATH shown ${ROOT} ${file})
      message(SEND_ERROR "${shown} includes ${header}, but the libraries of ${FOLDER} do not link "
                         "the library of ${header_folder}")
      set(wrong 1)
    endif()
  endforeach()
endforeach()

if(wrong)
  message(FATAL_ERROR "Includes point the wrong way in ${FOLDER}")
endif()
file(TOUCH ${STAMP})
