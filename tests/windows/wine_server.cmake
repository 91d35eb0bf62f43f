# Starts or stops the one persistent wine server that the Windows test run
# shares, so that each test does not pay for starting its own.
#
#   cmake -DWINESERVER=<wineserver command> -DWINE=<wine command> -DACTION=start|stop
#         -P wine_server.cmake
cmake_minimum_required(VERSION 3.25)

if(ACTION STREQUAL "start")
    # The server stays in the background: it must not hold on to this
    # script's output, or the test would wait for it to end.
    execute_process(COMMAND ${WINESERVER} -p RESULT_VARIABLE status
                    INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
    # 2: a server for this prefix runs already, which serves as well.
    if(NOT status EQUAL 0 AND NOT status EQUAL 2)
        message(FATAL_ERROR "${WINESERVER} -p failed: ${status}")
    endif()
    # Booting the prefix here starts wine's own background processes with
    # no inherited output, so that no test's output stays open behind them.
    execute_process(COMMAND ${WINE} wineboot RESULT_VARIABLE status
                    INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${WINE} wineboot failed: ${status}")
    endif()
elseif(ACTION STREQUAL "stop")
    # 1: no server was running; nothing to stop.
    execute_process(COMMAND ${WINESERVER} -k RESULT_VARIABLE status)
    if(NOT status EQUAL 0 AND NOT status EQUAL 1)
        message(FATAL_ERROR "${WINESERVER} -k failed: ${status}")
    endif()
else()
    message(FATAL_ERROR "wine_server.cmake: ACTION must be start or stop")
endif()
