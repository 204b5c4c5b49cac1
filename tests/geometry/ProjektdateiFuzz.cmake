# Runs the project readers' fuzz target for a bounded time on fresh seeds and
# the committed corpus:
#   cmake -DSAAT=<seed writer> -DFUZZER=<fuzz target> -DORDNER=<work folder>
#         [-DKORPUS=<corpus folder>] [-DSEKUNDEN=60] -P ProjektdateiFuzz.cmake
if(NOT SEKUNDEN)
  set(SEKUNDEN 60)
endif()
file(REMOVE_RECURSE "${ORDNER}")
file(MAKE_DIRECTORY "${ORDNER}/korpus" "${ORDNER}/funde")
execute_process(COMMAND "${SAAT}" "${ORDNER}/korpus" RESULT_VARIABLE saat)
if(NOT saat EQUAL 0)
  message(FATAL_ERROR "Die Saat konnte nicht geschrieben werden (${saat}).")
endif()
if(KORPUS)
  file(GLOB korpus "${KORPUS}/*")
  file(COPY ${korpus} DESTINATION "${ORDNER}/korpus")
endif()
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SEKUNDEN} -timeout=20 -rss_limit_mb=4096 -print_final_stats=1
          "-artifact_prefix=${ORDNER}/funde/" "${ORDNER}/korpus"
  RESULT_VARIABLE lauf)
if(NOT lauf EQUAL 0)
  message(FATAL_ERROR "Der Fuzz-Lauf hat einen Fund gemeldet (${lauf}); siehe ${ORDNER}/funde.")
endif()
