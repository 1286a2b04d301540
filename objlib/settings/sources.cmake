# KVObj sources: Settings, fonts and measuring, pools, Shift-JIS and GDI helpers, export macros, load-time set-up.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FixedPool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontMetricsCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LibraryMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MeasuringDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SjisText.cpp
)
