# The shared library exports exactly the functions its public header declares:
# every rvli/rvlr prototype, and no other symbol (no entry-table slots, no
# internal kernels, no runtime symbols).
#   cmake -DLIBRARY=<librvli.so> -DHEADER=<rvl_image.h> [-DNAMES=<regex>]
#         [-DEXPECTED_COUNT=<n>] -P check_exports.cmake
execute_process(COMMAND nm -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE nm_out RESULT_VARIABLE nm_rc)
if(NOT nm_rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[0-9a-f]+ [A-Za-z] [^\n]+" lines "${nm_out}")
set(exported "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" name "${line}")
  list(APPEND exported "${name}")
endforeach()

if(NOT DEFINED NAMES)
  set(NAMES "rvl[ir][A-Za-z0-9_]+")
endif()
file(READ ${HEADER} header)
string(REGEX MATCHALL "[ *](${NAMES})\\(" decls "${header}")
set(declared "")
foreach(d IN LISTS decls)
  string(REGEX REPLACE "^[ *](${NAMES})\\($" "\\1" name "${d}")
  list(APPEND declared "${name}")
endforeach()

list(SORT exported)
list(SORT declared)
list(REMOVE_DUPLICATES declared)
set(extra ${exported})
list(REMOVE_ITEM extra ${declared})
set(missing ${declared})
list(REMOVE_ITEM missing ${exported})
list(LENGTH exported n_exported)
list(LENGTH declared n_declared)
if(extra OR missing)
  message(FATAL_ERROR "exports differ from the header\n  exported but not declared: ${extra}\n  declared but not exported: ${missing}")
endif()
if(DEFINED EXPECTED_COUNT AND NOT n_exported EQUAL EXPECTED_COUNT)
  message(FATAL_ERROR "expected ${EXPECTED_COUNT} exported functions, found ${n_exported}")
endif()
message(STATUS "${n_exported} exported functions, all declared in the header")
