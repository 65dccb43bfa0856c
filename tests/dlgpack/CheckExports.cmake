# Fails unless LIBRARY defines exactly the nine dialog functions among its dynamic symbols.
set(expected FGetAbout FGetDMatrDlg FGetDualLstDlg FGetGenDlg FGetLMatrDlg FGetMatrWPrDlg
    FGetProperties FGetSMatrDlg FGetShMatrDlg)
execute_process(COMMAND nm -D --defined-only ${LIBRARY}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* " "" name "${line}")
    list(APPEND exported ${name})
endforeach()
list(SORT exported)
list(SORT expected)
if(NOT exported STREQUAL expected)
    message(FATAL_ERROR "exported: ${exported}\nexpected: ${expected}")
endif()
