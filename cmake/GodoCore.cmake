# The core: the figure model, its drawing and the window's code, in plain
# C++ without Qt, shared by every face. One definition of its sources and
# its warnings, read by the native build (the top CMakeLists.txt) and by the
# WebAssembly build (src/web), each with its own compiler and options.

set(GODO_WARNINGS -Wall -Wextra -Wpedantic)
set(_godo_src "${CMAKE_CURRENT_LIST_DIR}/../src")
cmake_path(NORMAL_PATH _godo_src)

add_library(godo_model STATIC
  ${_godo_src}/model/checked16.cpp
  ${_godo_src}/model/figure_state.cpp)
target_include_directories(godo_model PUBLIC ${_godo_src})
target_compile_options(godo_model PRIVATE ${GODO_WARNINGS})

# The drawing procedures know only the abstract Surface; the display list
# keeps what they asked for the faces to render.
add_library(godo_draw STATIC
  ${_godo_src}/draw/palette.cpp
  ${_godo_src}/draw/display_list.cpp
  ${_godo_src}/draw/zukei.cpp
  ${_godo_src}/draw/kateizu.cpp
  ${_godo_src}/draw/sankakuzu.cpp
  ${_godo_src}/draw/henkakuzu.cpp
  ${_godo_src}/draw/keturonzu.cpp)
target_link_libraries(godo_draw PUBLIC godo_model)
target_compile_options(godo_draw PRIVATE ${GODO_WARNINGS})

add_library(godo_lesson STATIC
  ${_godo_src}/lesson/layout.cpp
  ${_godo_src}/lesson/figure_description.cpp
  ${_godo_src}/lesson/form1.cpp
  ${_godo_src}/lesson/utf.cpp)
target_link_libraries(godo_lesson PUBLIC godo_draw)
target_compile_options(godo_lesson PRIVATE ${GODO_WARNINGS})
