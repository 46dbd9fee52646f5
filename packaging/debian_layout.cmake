# Run by CPack on the staged tree of the Debian package: Debian keeps games
# and their tools in /usr/games. The launcher finds the rest from its parent
# folder, so it runs from there unchanged.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${usr}/games")
foreach(program quorrelstead course_checker)
  if(NOT EXISTS "${usr}/bin/${program}")
    message(FATAL_ERROR "${program} is not staged in ${usr}/bin")
  endif()
  file(RENAME "${usr}/bin/${program}" "${usr}/games/${program}")
endforeach()
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
