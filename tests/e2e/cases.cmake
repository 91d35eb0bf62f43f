# End-to-end cases: one row per behaviour, with the program, its exact
# arguments and the exact standard output, standard error and exit status
# it must give. Texts have "\n" line ends; a Windows run expects "\r\n".
#
#   fizo_case(<name> <program> [ARGS <arg>...] [STDOUT <bytes>] [STDERR <bytes>]
#             [WINDOWS_STDERR <bytes>] [STATUS <n>] [WINDOWS_STATUS <n>]
#             [STDOUT_TO pipe|full|closed|closed_pipe|closed_pipe_sigpipe_ignored]
#             [POSIX_ONLY] [CAUGHT stdout|stderr|status])
#
# STDOUT_TO: standard output on a pipe, on /dev/full, closed, or on a pipe
# whose reader ends without reading; a file where not given. WINDOWS_STDERR:
# a Windows runtime loses the reason of a failed write. WINDOWS_STATUS:
# Windows has no SIGPIPE. POSIX_ONLY: a Windows run cannot reproduce the
# case.
# CAUGHT: the row expects one thing wrong, which the runner must report.
# The expected_ texts come from tests/expected_output.cmake.

set(disk_full "write error: No space left on device\n")

# Options
fizo_case(help feed_fizo ARGS -h STDOUT "${expected_help}")
fizo_case(version feed_fizo ARGS -v STDOUT "${expected_version}")
fizo_case(help_wins_over_later_version feed_fizo ARGS -h -v STDOUT "${expected_help}")
fizo_case(version_wins_over_later_help feed_fizo ARGS -v -h STDOUT "${expected_version}")
fizo_case(help_ignores_later_foods feed_fizo ARGS -h apple STDOUT "${expected_help}")
fizo_case(only_second_byte_counts_hv feed_fizo ARGS -hv STDOUT "${expected_help}")
fizo_case(only_second_byte_counts_vh feed_fizo ARGS -vh STDOUT "${expected_version}")
fizo_case(long_help_word feed_fizo ARGS -help STDOUT "${expected_help}")
fizo_case(unknown_option_then_version feed_fizo ARGS -x -v STDOUT "${expected_version}")
fizo_case(double_dash_ends_no_options feed_fizo ARGS -x -- -v STDOUT "${expected_version}")
fizo_case(unknown_options_then_food feed_fizo ARGS -x - -- apple
          STDOUT "fizo refuses to eat apple!\n")

# Missing food
fizo_case(no_arguments feed_fizo STDERR "${expected_no_food}" STATUS 1)
fizo_case(unknown_option_alone feed_fizo ARGS -x STDERR "${expected_no_food}" STATUS 1)
fizo_case(lone_dash feed_fizo ARGS - STDERR "${expected_no_food}" STATUS 1)
fizo_case(double_dash_help feed_fizo ARGS --help STDERR "${expected_no_food}" STATUS 1)
fizo_case(double_dash_version feed_fizo ARGS --version STDERR "${expected_no_food}" STATUS 1)

# Foods
fizo_case(one_food feed_fizo ARGS apple STDOUT "fizo refuses to eat apple!\n")
fizo_case(foods_in_order feed_fizo ARGS apple "ice cream" 50%
          STDOUT "fizo refuses to eat apple!\n" "fizo refuses to eat ice cream!\n"
                 "fizo refuses to eat 50%!\n")
fizo_case(options_after_first_food_are_foods feed_fizo ARGS apple -h -v
          STDOUT "fizo refuses to eat apple!\n" "fizo refuses to eat -h!\n"
                 "fizo refuses to eat -v!\n")
fizo_case(empty_food feed_fizo ARGS "" STDOUT "fizo refuses to eat !\n")
fizo_case(empty_food_ends_options feed_fizo ARGS -x "" -h STDOUT "fizo refuses to eat !\n"
                                                                 "fizo refuses to eat -h!\n")
fizo_case(format_directives_are_printed_as_given feed_fizo ARGS "%s%n" "%d%%"
          STDOUT "fizo refuses to eat %s%n!\n" "fizo refuses to eat %d%%!\n")
fizo_case(anything_only_when_given feed_fizo ARGS anything STDOUT "fizo refuses to eat anything!\n")
fizo_case(wildcards_are_not_expanded feed_fizo ARGS "*" "?.txt"
          STDOUT "fizo refuses to eat *!\n" "fizo refuses to eat ?.txt!\n")
fizo_case(same_food_twice feed_fizo ARGS pear pear STDOUT "fizo refuses to eat pear!\n"
                                                          "fizo refuses to eat pear!\n")
fizo_case(blanks_and_quotes_kept feed_fizo ARGS "  two  blanks " "say \"no\""
          STDOUT "fizo refuses to eat   two  blanks !\n" "fizo refuses to eat say \"no\"!\n")
fizo_case(bytes_kept_unchanged feed_fizo ARGS "Crème BRÛLÉE"
          STDOUT "fizo refuses to eat Crème BRÛLÉE!\n")
fizo_case(foods_in_any_script feed_fizo ARGS 寿司 Ωμέγα 🍕
          STDOUT "fizo refuses to eat 寿司!\n" "fizo refuses to eat Ωμέγα!\n"
                 "fizo refuses to eat 🍕!\n")

# Enough foods to fill the output buffer, and a pipe, many times over.
set(many_foods "")
set(many_lines "")
foreach(i RANGE 1 3000)
    list(APPEND many_foods "food${i}")
    string(APPEND many_lines "fizo refuses to eat food${i}!\n")
endforeach()
fizo_case(many_foods feed_fizo ARGS ${many_foods} STDOUT "${many_lines}")
fizo_case(many_foods_to_pipe feed_fizo ARGS ${many_foods} STDOUT_TO pipe STDOUT "${many_lines}")

# A lost write is a failure, never a success.
fizo_case(food_to_full_device feed_fizo ARGS apple STDOUT_TO full STDERR "feed_fizo: ${disk_full}"
          WINDOWS_STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(many_foods_to_full_device feed_fizo ARGS ${many_foods} STDOUT_TO full
          STDERR "feed_fizo: ${disk_full}" WINDOWS_STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(help_to_full_device feed_fizo ARGS -h STDOUT_TO full STDERR "feed_fizo: ${disk_full}"
          WINDOWS_STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(no_food_to_full_device feed_fizo STDOUT_TO full STDERR "${expected_no_food}" STATUS 1)
# The reason is lost only where the write that failed was the last one: a food longer than the
# output buffer is written at once.
string(REPEAT "x" 10000 long_food)
fizo_case(long_food_then_food_to_full_device feed_fizo ARGS ${long_food} apple STDOUT_TO full
          STDERR "feed_fizo: ${disk_full}" WINDOWS_STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(food_then_long_food_to_full_device feed_fizo ARGS apple ${long_food} STDOUT_TO full
          STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(food_to_closed_output feed_fizo ARGS apple STDOUT_TO closed
          STDERR "feed_fizo: write error: Bad file descriptor\n" STATUS 1 POSIX_ONLY)
# A pipe's reader gone: SIGPIPE ends the program, as it ends every filter; with SIGPIPE ignored, and
# on Windows, the lost write is reported.
fizo_case(many_foods_to_closed_pipe feed_fizo ARGS ${many_foods} STDOUT_TO closed_pipe STATUS 141
          WINDOWS_STDERR "feed_fizo: write error\n" WINDOWS_STATUS 1)
fizo_case(many_foods_to_closed_pipe_sigpipe_ignored feed_fizo ARGS ${many_foods}
          STDOUT_TO closed_pipe_sigpipe_ignored STDERR "feed_fizo: write error: Broken pipe\n"
          WINDOWS_STDERR "feed_fizo: write error\n" STATUS 1)
fizo_case(version_to_closed_output feed_fizo ARGS -v STDOUT_TO closed
          STDERR "feed_fizo: write error: Bad file descriptor\n" STATUS 1 POSIX_ONLY)

# Examples: one library call each, arguments ignored.
fizo_case(example_help example_show_help STDOUT "${expected_help}")
fizo_case(example_help_ignores_arguments example_show_help ARGS -v apple STDOUT "${expected_help}")
fizo_case(example_version example_show_version STDOUT "${expected_version}")
fizo_case(example_version_ignores_arguments example_show_version ARGS -h ""
          STDOUT "${expected_version}")
fizo_case(example_help_to_full_device example_show_help STDOUT_TO full
          STDERR "example_show_help: ${disk_full}" STATUS 1)
fizo_case(example_version_to_full_device example_show_version STDOUT_TO full
          STDERR "example_show_version: ${disk_full}" STATUS 1)

# The runner itself: each row expects one stream wrong, which it must catch.
fizo_case(runner_catches_stdout feed_fizo ARGS apple STDOUT "fizo refuses to eat pear!\n"
          CAUGHT stdout)
fizo_case(runner_catches_stderr feed_fizo ARGS apple STDOUT "fizo refuses to eat apple!\n"
          STDERR "${expected_no_food}" CAUGHT stderr)
fizo_case(runner_catches_status feed_fizo STDERR "${expected_no_food}" CAUGHT status)
