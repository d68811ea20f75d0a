# Runs one fuzz program on a fresh copy of its seed corpus and fails on any finding (a crash, a
# sanitizer report, a broken property, a leak, an input that runs for more than 10 seconds).
#   cmake -DPROGRAM=... -DCORPUS=... -DDICTIONARY=... -DWORK=... -DSECONDS=... -DRUNS=... -P this

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/findings)
if(EXISTS ${CORPUS})
  file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
endif()

set(options -max_total_time=${SECONDS} -runs=${RUNS} -timeout=10 -print_final_stats=1
            -artifact_prefix=${WORK}/findings/)
if(EXISTS ${DICTIONARY})
  list(APPEND options -dict=${DICTIONARY})
endif()

execute_process(COMMAND ${PROGRAM} ${options} ${WORK}/corpus
                RESULT_VARIABLE result ERROR_FILE ${WORK}/fuzz.log OUTPUT_FILE ${WORK}/fuzz.log)
file(STRINGS ${WORK}/fuzz.log done REGEX "^Done [0-9]+ runs")
file(GLOB findings ${WORK}/findings/*)
if(NOT result EQUAL 0 OR findings)
  file(READ ${WORK}/fuzz.log log)
  string(LENGTH "${log}" length)
  if(length GREATER 20000)
    math(EXPR start "${length} - 20000")
    string(SUBSTRING "${log}" ${start} -1 log)
  endif()
  message(FATAL_ERROR "${log}\nFinding (exit ${result}): ${findings}\nFull log: ${WORK}/fuzz.log")
endif()
message(STATUS "${done}")
