# Built-in textures, generated at build time into the data tree's textures folder
# and made again whenever the generator changes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ORVEX_TEXTURE_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/generate_textures.py)
set(ORVEX_GENERATED_TEXTURES
  ${ORVEX_OUTPUT_DIR}/textures/Default.png
  ${ORVEX_OUTPUT_DIR}/textures/Square.png)
add_custom_command(OUTPUT ${ORVEX_GENERATED_TEXTURES}
  COMMAND Python3::Interpreter ${ORVEX_TEXTURE_GENERATOR} ${ORVEX_OUTPUT_DIR}/textures
  DEPENDS ${ORVEX_TEXTURE_GENERATOR} ${CMAKE_CURRENT_LIST_DIR}/art/raster.py
  COMMENT "Generating the built-in textures")
add_custom_target(generated_textures ALL DEPENDS ${ORVEX_GENERATED_TEXTURES})
# Whatever needs the data tree (the game, tests, benchmarks) gets the textures too.
add_dependencies(game_data generated_textures)
