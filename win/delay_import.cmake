# Makes a delay-load import library for one system DLL out of MinGW's own
# import library: each function the DLL exports is called through a stub
# that loads the DLL at its first call.
#
#   cmake -DNM=nm -DDLLTOOL=dlltool -DIMPORT=libx.a -DDLL=x -DOUT=libx_delay.a -P delay_import.cmake
execute_process(COMMAND ${NM} -g ${IMPORT} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
# The import library's code symbols are the functions; its data imports
# cannot be loaded late and are left out.
string(REGEX MATCHALL "[0-9a-f]+ T [^\n]+" lines "${symbols}")
list(TRANSFORM lines REPLACE "^[0-9a-f]+ T " "")
list(REMOVE_DUPLICATES lines)
list(JOIN lines "\n" exports)
file(WRITE ${OUT}.def "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUT}.def --dllname ${DLL}.dll
                        --output-delaylib ${OUT} COMMAND_ERROR_IS_FATAL ANY)
