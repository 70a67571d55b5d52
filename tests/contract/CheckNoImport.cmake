# Fails when the binary imports the function FUNCTION: threads are asked to
# end and waited for, never cut off (TerminateThread leaves locks held and
# memory half-written).
execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${BINARY}")
endif()
if(NOT dump MATCHES "DLL Name: KERNEL32.dll")
  message(FATAL_ERROR "no import table found in ${BINARY}")
endif()
if(dump MATCHES "[\t ]${FUNCTION}\n")
  message(FATAL_ERROR "${BINARY} imports ${FUNCTION}")
endif()
