# The layers, checked: no file of the program's rules (every source and
# header of the core library's folders, headers without a source included)
# includes Qt, the platform or any file of the windows and the painter.
# Only windows show a box, beep, play a sound or set the hourglass; the
# rules record their failures in a journal. The core library is also linked
# alone by the fuzz replays, so a rule that calls the platform does not link.
# Called as: cmake -DRACINE=<source folder> -DDOSSIERS=<a|b|...> -P VerifieCouches.cmake
string(REPLACE "|" ";" dossiers "${DOSSIERS}")
set(verifies "")
foreach(d ${dossiers})
  file(GLOB fichiers "${RACINE}/${d}/*.h" "${RACINE}/${d}/*.cpp")
  list(APPEND verifies ${fichiers})
endforeach()
set(fautifs "")
foreach(v ${verifies})
  file(STRINGS "${v}" lignes REGEX "#include[ \t]+(<Q|\"[a-z]+/(fenetres|toile|programme)/)")
  if(lignes)
    list(APPEND fautifs "${v}: ${lignes}")
  endif()
endforeach()
list(LENGTH verifies combien)
if(combien LESS 50)
  message(FATAL_ERROR "Seulement ${combien} fichiers des règles trouvés sous ${RACINE}")
endif()
if(fautifs)
  message(FATAL_ERROR "Les fenêtres sont incluses dans les règles : ${fautifs}")
endif()
message(STATUS "${combien} fichiers des règles sans fenêtre ni plate-forme")
