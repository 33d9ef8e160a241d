# The game's sounds, synthesised by our own tool (tools/soundgen.cpp) into the data
# tree's sounds folder. Regenerated only when the tool itself changes (the stamp
# depends on its executable).
add_executable(soundgen ${CMAKE_CURRENT_LIST_DIR}/soundgen.cpp)
target_link_libraries(soundgen PRIVATE PkgConfig::DEPS)
set(ORVEX_SOUNDS_STAMP ${ORVEX_OUTPUT_DIR}/sounds/.generated)
add_custom_command(OUTPUT ${ORVEX_SOUNDS_STAMP}
  COMMAND soundgen ${ORVEX_OUTPUT_DIR}/sounds
  COMMAND ${CMAKE_COMMAND} -E touch ${ORVEX_SOUNDS_STAMP}
  DEPENDS soundgen
  COMMENT "Synthesising the game's sounds")
add_custom_target(game_sounds ALL DEPENDS ${ORVEX_SOUNDS_STAMP})
add_dependencies(tumbowuffin game_sounds)
