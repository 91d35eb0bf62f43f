# What fizo's programs print, byte for byte, written once for every test: the end-to-end table reads
# these variables, and the C++ tests the header that they are written into.
set(expected_help
    [=[
FiZo  < options >  [first number] [second number]
Will not eat what you feed it.
Options:
  -h    : print help
  -v    : returns version number
]=])
set(expected_version "FiZo Version: 00.01.00\n")
set(expected_no_food "Invalid arguments. Use `feed_fizo -h' for help.\n")
configure_file(${CMAKE_CURRENT_LIST_DIR}/expected_output.hpp.in
               ${CMAKE_CURRENT_BINARY_DIR}/expected_output.hpp @ONLY)
