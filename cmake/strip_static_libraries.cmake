# Run by CPack after installing into its staging folder: static libraries
# lose their debug sections (as Debian's dh_strip does), deterministically.
file(GLOB_RECURSE candy_archives "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a")
foreach(archive IN LISTS candy_archives)
  execute_process(COMMAND strip --strip-debug --enable-deterministic-archives "${archive}"
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot strip ${archive}")
  endif()
endforeach()
