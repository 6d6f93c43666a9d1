# The built-in course, one file per level in the order of the level menu,
# joined into one text that the program embeds and the voices are read from.
set(COURSE_LEVEL_FILES
  ${CMAKE_SOURCE_DIR}/resources/course/level1.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level2.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level3.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level4.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level5.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level6.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level7.tsv
  ${CMAKE_SOURCE_DIR}/resources/course/level8.tsv
)
set(COURSE_TEXT ${CMAKE_BINARY_DIR}/course.tsv)
add_custom_command(
  OUTPUT ${COURSE_TEXT}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${COURSE_TEXT} "-DINPUTS=${COURSE_LEVEL_FILES}" -P ${CMAKE_SOURCE_DIR}/cmake/JoinFiles.cmake
  DEPENDS ${COURSE_LEVEL_FILES} ${CMAKE_SOURCE_DIR}/cmake/JoinFiles.cmake
  COMMENT "Joining the built-in course's levels"
  VERBATIM)
add_custom_target(course_joined DEPENDS ${COURSE_TEXT})

