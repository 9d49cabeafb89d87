# The layers, checked: no file of the program's rules (the core library's
# sources below app/, their headers, and every header of numerics/ and
# funclang/ but the windows') includes the platform. Only windows show a
# box, beep, play a sound or set the hourglass; the rules record their
# failures in a journal.
# Called as: cmake -DRACINE=<source folder> -DFICHIERS=<a|b|...> -P VerifieCouches.cmake
string(REPLACE "|" ";" fichiers "${FICHIERS}")
set(verifies "")
foreach(f ${fichiers})
  list(APPEND verifies "${RACINE}/${f}")
  string(REGEX REPLACE "\\.cpp$" ".h" entete "${f}")
  if(EXISTS "${RACINE}/${entete}")
    list(APPEND verifies "${RACINE}/${entete}")
  endif()
endforeach()
file(GLOB entetes "${RACINE}/numerics/*.h" "${RACINE}/funclang/*.h")
foreach(e ${entetes})
  get_filename_component(nom "${e}" NAME)
  if(NOT nom MATCHES "^T[A-Z]")
    list(APPEND verifies "${e}")
  endif()
endforeach()
set(fautifs "")
foreach(v ${verifies})
  file(STRINGS "${v}" lignes REGEX "#include[ \t]+\"app/Plateforme\\.h\"")
  if(lignes)
    list(APPEND fautifs "${v}")
  endif()
endforeach()
list(LENGTH verifies combien)
if(fautifs)
  message(FATAL_ERROR "La plate-forme est incluse sous les fenêtres : ${fautifs}")
endif()
message(STATUS "${combien} fichiers des règles sans plate-forme")
