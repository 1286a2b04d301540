# kv_add_gtest(<name> <sources...>): a GoogleTest program run by CTest under Wine.
# It links the test-support library (tests/support). Each run gets a fresh settings folder:
# the launcher sets USERPROFILE inside Wine (Wine overrides it from outside) before the
# test program and KVObj.dll load.
function(kv_add_gtest name)
  if(KV_PLUGINS_ONLY)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest_main kvtestsupport)
  add_test(NAME ${name} COMMAND kvenv $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
