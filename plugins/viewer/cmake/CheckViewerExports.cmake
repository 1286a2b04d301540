# Fails unless the module exports exactly the viewer entry points, undecorated, and, when
# DECORATED is on (i686), the code behind them is __stdcall with 32-bit arguments.
# Run as: cmake -DOBJDUMP=... -DMODULE=... [-DDECORATED=ON] -P CheckViewerExports.cmake
set(expected Create Destroy OnHScroll OnMove OnNotPaint OnPaint OnVScroll)
# Bytes of arguments each function removes from the stack: four per 32-bit value, RECT four values.
set(decorated _Create@24 _OnPaint@28 _OnNotPaint@8 _Destroy@8 _OnMove@24 _OnHScroll@16)

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${MODULE} failed")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" table "${dump}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
set(names)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
  list(APPEND names "${name}")
endforeach()
list(SORT names)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${MODULE} exports [${names}], expected [${expected}]")
endif()

if(DECORATED)
  execute_process(COMMAND ${OBJDUMP} -t ${MODULE} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
  foreach(symbol IN LISTS decorated)
    string(FIND "${symbols}" " ${symbol}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${MODULE} has no ${symbol}: not __stdcall with 32-bit arguments")
    endif()
  endforeach()
endif()
