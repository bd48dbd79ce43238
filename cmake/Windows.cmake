# The 32-bit Windows build: static C/C++ runtime for what we ship, the library's export list and
# import library generated from functions.def.

# What ships runs on a bare Windows: the C++ runtime, libgcc and winpthread are linked in.
function(esc_static_runtime target)
  target_link_options(${target} PRIVATE -static $<$<CONFIG:Release>:-s>)
endfunction()

# Escrivania.def: every function of functions.def with its __stdcall decoration (4 bytes per text
# argument). Linked with --kill-at, a DLL exports the plain names; dlltool -k makes an import
# library that binds the decorated symbols the compiler emits to those plain names.
set(ESC_FUNCTIONS_DEF ${PROJECT_SOURCE_DIR}/library/functions.def)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ESC_FUNCTIONS_DEF})
file(STRINGS ${ESC_FUNCTIONS_DEF} esc_lines REGEX "^ESC_(RECORD|VALIDATOR|CONTROL)\\(")
set(esc_exports "LIBRARY Escrivania.dll\nEXPORTS\n")
set(esc_count 0)
foreach(line IN LISTS esc_lines)
  if(NOT line MATCHES "^ESC_[A-Z]+\\(([A-Za-z0-9_]+), *([0-9]+)\\)")
    message(FATAL_ERROR "functions.def: unreadable line: ${line}")
  endif()
  math(EXPR esc_bytes "${CMAKE_MATCH_2} * 4")
  string(APPEND esc_exports "  ${CMAKE_MATCH_1}@${esc_bytes}\n")
  math(EXPR esc_count "${esc_count} + 1")
endforeach()
if(NOT esc_count EQUAL 360)
  message(FATAL_ERROR "functions.def lists ${esc_count} functions, not 360")
endif()
set(ESC_EXPORTS_DEF ${CMAKE_BINARY_DIR}/library/Escrivania.def)
file(CONFIGURE OUTPUT ${ESC_EXPORTS_DEF} CONTENT "${esc_exports}" @ONLY)

set(ESC_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/library/libEscrivania.dll.a)
add_custom_command(OUTPUT ${ESC_IMPORT_LIBRARY}
                   COMMAND ${CMAKE_DLLTOOL} -k -d ${ESC_EXPORTS_DEF} -D Escrivania.dll -l ${ESC_IMPORT_LIBRARY}
                   DEPENDS ${ESC_EXPORTS_DEF}
                   COMMENT "Import library of Escrivania.dll from functions.def")
add_custom_target(escrivania_import_library DEPENDS ${ESC_IMPORT_LIBRARY})

# A DLL that exports the 360 functions under their plain names.
function(esc_export_functions target)
  target_sources(${target} PRIVATE ${ESC_EXPORTS_DEF})
  target_link_options(${target} PRIVATE -Wl,--kill-at)
endfunction()
