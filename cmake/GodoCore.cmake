# The core: the figure model, its drawing and the window's code, in plain
# C++ without Qt, shared by every face. One definition of its sources and
# its warnings, read by the native build (the top CMakeLists.txt) and by the
# WebAssembly build (src/web), each with its own compiler and options.

set(GODO_WARNINGS -Wall -Wextra -Wpedantic)
set(_godo_src "${CMAKE_CURRENT_LIST_DIR}/../src")
cmake_path(NORMAL_PATH _godo_src)

# One library of the core, compiled with its warnings, built on DEPENDS.
function(godo_core_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  add_library(${name} STATIC ${arg_SOURCES})
  target_compile_options(${name} PRIVATE ${GODO_WARNINGS})
  if(arg_DEPENDS)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  endif()
endfunction()

godo_core_library(godo_model SOURCES
  ${_godo_src}/model/checked16.cpp
  ${_godo_src}/model/figure_state.cpp)
target_include_directories(godo_model PUBLIC ${_godo_src})

# The drawing procedures know only the abstract Surface; the display list
# keeps what they asked for the faces to render.
godo_core_library(godo_draw DEPENDS godo_model SOURCES
  ${_godo_src}/draw/palette.cpp
  ${_godo_src}/draw/colour_scheme.cpp
  ${_godo_src}/draw/display_list.cpp
  ${_godo_src}/draw/zukei.cpp
  ${_godo_src}/draw/kateizu.cpp
  ${_godo_src}/draw/sankakuzu.cpp
  ${_godo_src}/draw/henkakuzu.cpp
  ${_godo_src}/draw/keturonzu.cpp)

godo_core_library(godo_lesson DEPENDS godo_draw SOURCES
  ${_godo_src}/lesson/layout.cpp
  ${_godo_src}/lesson/figure_description.cpp
  ${_godo_src}/lesson/figure_export.cpp
  ${_godo_src}/lesson/figure_svg.cpp
  ${_godo_src}/lesson/form1.cpp
  ${_godo_src}/lesson/readings.cpp
  ${_godo_src}/lesson/support.cpp
  ${_godo_src}/lesson/terminal_text.cpp
  ${_godo_src}/lesson/utf.cpp)
