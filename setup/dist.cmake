# `dist`: assembles the distribution folder build/dist that lumox-setup installs from:
# the programs, the help, our texts, the example data, and example results made by
# lumox-cli at build time.
if(NOT TARGET lumox OR NOT TARGET lumox-cli)
  message(STATUS "lumox or lumox-cli not built: no dist target")
  return()
endif()
set(LUMOX_DIST_DIR ${PROJECT_BINARY_DIR}/dist)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND}
    -DDIST=${LUMOX_DIST_DIR}
    -DSOURCE=${PROJECT_SOURCE_DIR}
    -DTEXTS=${CMAKE_CURRENT_SOURCE_DIR}/dist
    -DPROGRAMS=$<TARGET_FILE:lumox>|$<TARGET_FILE:lumox-cli>|$<TARGET_FILE:lumox-cli-graphics>|$<TARGET_FILE:lumox-setup>
    -DCLI=$<TARGET_FILE:lumox-cli>
    -DSTRIP=${CMAKE_STRIP}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/assemble_dist.cmake
  DEPENDS lumox lumox-cli lumox-cli-graphics lumox-setup
  COMMENT "Assembling ${LUMOX_DIST_DIR}"
  VERBATIM)
