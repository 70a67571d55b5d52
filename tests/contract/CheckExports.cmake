# Fails unless the library exports exactly the contract's plain names
# (no decoration: the host looks them up by these names).
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${LIBRARY}")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t\\[ *[0-9]+\\] [^\n]+\n)*" table "${dump}")
foreach(name ZELVA_LoadProductModule ZELVA_GetProductInfo ZELVA_ShowProductWindow
             ZELVA_HideProductWindow ZELVA_OnMenuChange ExecuteCommand ZELVA_UnloadProductModule)
  if(NOT table MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "${LIBRARY} does not export ${name}")
  endif()
endforeach()
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" entries "${table}")
list(LENGTH entries count)
if(NOT count EQUAL 7)
  message(FATAL_ERROR "${LIBRARY} exports ${count} names, expected 7: ${entries}")
endif()
