# What ships: on Windows the folder to copy beside the real library (console, escrivania-run, our
# Escrivania.dll and borlndmm.dll, the reference files), as a ZIP made by CPack.
if(NOT WIN32)
  return()
endif()
