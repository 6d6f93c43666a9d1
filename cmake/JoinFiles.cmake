# Joins text files into one, in the order given: cmake -DOUTPUT=out
# -DINPUTS="a;b;c" -P JoinFiles.cmake. Each input ends its last line, so no
# two files run into one line.
file(WRITE ${OUTPUT}.part "")
foreach(input IN LISTS INPUTS)
  file(READ ${input} text)
  if(NOT text STREQUAL "" AND NOT text MATCHES "\n$")
    string(APPEND text "\n")
  endif()
  file(APPEND ${OUTPUT}.part "${text}")
endforeach()
file(RENAME ${OUTPUT}.part ${OUTPUT})
