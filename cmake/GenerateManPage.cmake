# Writes a program's manual page from its --help with help2man, then gzips it.
# Run with cmake -P and: HELP2MAN, GZIP, PROGRAM, NAME_LINE, INCLUDE, EPOCH, OUTPUT
# (the .1 path; OUTPUT.gz is written beside it) and optionally VERSION_STRING.
set(args --no-info --no-discard-stderr "--name=${NAME_LINE}" "--include=${INCLUDE}" "--output=${OUTPUT}")
if(VERSION_STRING)
  list(APPEND args "--version-string=${VERSION_STRING}")
endif()
# The page carries the release's date, not the build's, so every build writes the same page.
set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
execute_process(COMMAND "${HELP2MAN}" ${args} "${PROGRAM}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man could not write ${OUTPUT}")
endif()
# An "Exit status:" paragraph of the help becomes the page's own EXIT STATUS section.
file(READ "${OUTPUT}" page)
string(REPLACE ".SS \"Exit status:\"" ".SH \"EXIT STATUS\"" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
execute_process(COMMAND "${GZIP}" -9nc "${OUTPUT}" OUTPUT_FILE "${OUTPUT}.gz" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not write ${OUTPUT}.gz")
endif()
