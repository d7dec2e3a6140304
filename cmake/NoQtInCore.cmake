# The core (model, drawing, the window's code) is plain C++ shared by every
# face. Its libraries are compiled without Qt's include paths, and on top of
# that every build checks that none of its files names a Qt header, so that
# a header only the desktop face includes cannot slip one in either.
#
# As a module: godo_check_no_qt(DIR...) adds the check to the build.
# As a script: cmake -DSTAMP=file -P NoQtInCore.cmake FILE... checks the files.

if(CMAKE_SCRIPT_MODE_FILE)
  math(EXPR last "${CMAKE_ARGC} - 1")
  set(found "")
  foreach(i RANGE 4 ${last})
    set(source "${CMAKE_ARGV${i}}")
    file(STRINGS "${source}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(hits)
      string(APPEND found "\n  ${source}: ${hits}")
    endif()
  endforeach()
  if(found)
    message(FATAL_ERROR "the core is plain C++, but these files include Qt:${found}")
  endif()
  file(TOUCH "${STAMP}")
  return()
endif()

function(godo_check_no_qt)
  set(sources "")
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${dir}/*.h ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/core-without-qt.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSTAMP=${stamp} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE} ${sources}
    DEPENDS ${sources} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Checking that the core includes no Qt header")
  add_custom_target(godo_core_without_qt ALL DEPENDS ${stamp})
endfunction()
