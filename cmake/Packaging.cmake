# What ships on Windows: the folder to copy beside the real library (the console, escrivania-run,
# our Escrivania.dll and borlndmm.dll, the reference files), and its ZIP made by CPack.
if(NOT WIN32)
  return()
endif()

install(TARGETS escrivania-console escrivania-run Escrivania borlndmm RUNTIME DESTINATION . LIBRARY DESTINATION .
        ARCHIVE EXCLUDE_FROM_ALL)
foreach(file IN LISTS ESC_REFERENCE_FILES)
  install(FILES ${ESC_OUTPUT_DIR}/${file} DESTINATION .)
endforeach()

# Packaging builds what it installs, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Escrivania)
set(CPACK_PACKAGE_FILE_NAME Escrivania-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
