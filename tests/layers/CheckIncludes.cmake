# SPDX-License-Identifier: MIT
# Fails when a C++ file under FOLDER includes by a path that leaves its own
# folder ("../", or an absolute path): such an include would find a header of
# a layer the file does not see, past the layer's include folder.
# cmake -DFOLDER=<folder> -P CheckIncludes.cmake
file(GLOB_RECURSE sources "${FOLDER}/*.cpp" "${FOLDER}/*.h")
set(found "")
foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^\">]*)[\">].*$" "\\1" path "${line}")
        if(path MATCHES "(^|/)\\.\\.(/|$)" OR path MATCHES "^/")
            string(APPEND found "\n  ${source}: ${path}")
        endif()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Includes that leave their folder:${found}")
endif()
