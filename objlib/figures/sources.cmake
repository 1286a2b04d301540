# KVObj sources: Figure boxes, figure documents and their property dialogs.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
)
