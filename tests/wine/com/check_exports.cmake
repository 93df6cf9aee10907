cmake_minimum_required(VERSION 3.25)
# Checks Velmora.dll's import and export tables with objdump (run natively, not under Wine):
# it imports system DLLs only and exports exactly the four COM entry points; and its size: under
# 1 MiB (1,048,576 bytes).
#   cmake -DOBJDUMP=<objdump> -DDLL=<Velmora.dll> -P check_exports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

set(system_dlls advapi32 comctl32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 user32 version)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(TOLOWER "${line}" line)
  string(REGEX REPLACE "dll name: ([^.]+)\\.dll.*" "\\1" name "${line}")
  if(NOT name IN_LIST system_dlls)
    message(FATAL_ERROR "Velmora.dll imports a DLL that is not part of Windows: ${line}")
  endif()
endforeach()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[^\n]*\n)*)" table "${dump}")
string(REGEX MATCHALL "\\] [A-Za-z_0-9@]+" exports "${CMAKE_MATCH_1}")
string(REPLACE "] " "" exports "${exports}")
set(expected DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "Velmora.dll exports '${exports}', expected '${expected}'")
endif()

file(SIZE ${DLL} size)
set(limit 1048576)
if(NOT size LESS limit)
  message(FATAL_ERROR "Velmora.dll has ${size} bytes, ${limit} or more")
endif()
message(STATUS "imports: ${imports}; exports: ${exports}; size: ${size} bytes (under ${limit})")
