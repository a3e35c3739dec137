# Writes the entry table: one RVL_SLOT line per function the public header
# declares (every rvli/rvlr name), so that an exported symbol exists exactly
# for each declaration.
#   cmake -DHEADER=<rvl_image.h> -DOUTPUT=<entry_table.cpp> -P entry_table.cmake
file(READ ${HEADER} header)
string(REGEX MATCHALL "[ *](rvl[ir][A-Za-z0-9_]+)\\(" decls "${header}")
set(body "// Generated from rvl_image.h by cmake/entry_table.cmake: do not edit.\n#include \"frame/dispatch.hpp\"\n\n")
foreach(d IN LISTS decls)
  string(REGEX REPLACE "^[ *](rvl[ir][A-Za-z0-9_]+)\\($" "\\1" name "${d}")
  string(APPEND body "RVL_SLOT(${name});\n")
endforeach()
file(WRITE ${OUTPUT}.new "${body}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.new ${OUTPUT})
file(REMOVE ${OUTPUT}.new)
