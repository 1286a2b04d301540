# Fails unless the module exports exactly the viewer entry points, undecorated, and, when
# DECORATED is on (i686), the code behind them is __stdcall with 32-bit arguments.
# Run as: cmake -DOBJDUMP=... -DMODULE=... [-DDECORATED=ON] -P CheckViewerExports.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/ExportNames.cmake)
# Bytes of arguments each function removes from the stack: four per 32-bit value, RECT four values.
set(decorated _Create@24 _OnPaint@28 _OnNotPaint@8 _Destroy@8 _OnMove@24 _OnHScroll@16)

kv_check_export_names(${OBJDUMP} ${MODULE} Create Destroy OnHScroll OnMove OnNotPaint OnPaint
                      OnVScroll)

if(DECORATED)
  execute_process(COMMAND ${OBJDUMP} -t ${MODULE} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
  foreach(symbol IN LISTS decorated)
    string(FIND "${symbols}" " ${symbol}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${MODULE} has no ${symbol}: not __stdcall with 32-bit arguments")
    endif()
  endforeach()
endif()
