# The game's art, drawn by our own generator (tools/art, Python standard library
# only) into the data tree's textures folder. The image names come from the
# generator itself, so every PNG is a listed output: a deleted image is made again
# and a changed script re-runs the whole set (a minute's worth at most).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ORVEX_ART_DIR ${CMAKE_CURRENT_LIST_DIR}/art)
file(GLOB ORVEX_ART_SCRIPTS CONFIGURE_DEPENDS ${ORVEX_ART_DIR}/*.py)
# A script edit may add or rename images: the list is read again on the next build.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVEX_ART_SCRIPTS})
execute_process(COMMAND ${Python3_EXECUTABLE} ${ORVEX_ART_DIR}/make.py --list
  OUTPUT_VARIABLE ORVEX_ART_NAMES RESULT_VARIABLE ORVEX_ART_RESULT
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT ORVEX_ART_RESULT EQUAL 0)
  message(FATAL_ERROR "tools/art/make.py --list failed: the image generator cannot be loaded")
endif()
string(REPLACE "\n" ";" ORVEX_ART_NAMES "${ORVEX_ART_NAMES}")
list(TRANSFORM ORVEX_ART_NAMES PREPEND ${ORVEX_OUTPUT_DIR}/textures/ OUTPUT_VARIABLE ORVEX_ART_IMAGES)
add_custom_command(OUTPUT ${ORVEX_ART_IMAGES}
  COMMAND Python3::Interpreter ${ORVEX_ART_DIR}/make.py ${ORVEX_OUTPUT_DIR}/textures
  DEPENDS ${ORVEX_ART_SCRIPTS}
  COMMENT "Drawing the game's art")
add_custom_target(game_art ALL DEPENDS ${ORVEX_ART_IMAGES})
# The game shows these; tests and tools that only need the data tree do not wait.
add_dependencies(tumbowuffin game_art)
