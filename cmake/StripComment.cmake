# Run by cpack before it packs: the compiler's version note (.comment) is of no use in
# an installed program, and Debian's own packaging drops it, as strip alone does not.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program ${programs})
  execute_process(COMMAND objcopy --remove-section=.comment "${program}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "could not remove the .comment section of ${program}")
  endif()
endforeach()
