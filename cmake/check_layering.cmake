# SPDX-License-Identifier: MIT
# Every folder includes only what the "May include:" line of its CMakeLists.txt allows.
# Run as: cmake -DSOURCE_DIR=... -DQT_HEADERS=... -P check_layering.cmake
#
# A project header is named with its folder from the top of the tree ("calc/calculator.h"),
# in its own folder too, and belongs to that folder. Any other header is Qt (its module found
# under QT_HEADERS), one of the libraries below, or the standard or system library, which
# every folder may use.
# The line lists folders and libraries, one item a comma apart, ending in a full stop;
# "(...)" after an item says why and is not read. "Qt" is every Qt module but Qt Test.
# tests/, bench/ and fuzz/ may include every folder, their own helpers and Qt Test; no other
# folder may include anything of theirs. A header ending in _p.h is its own folder's (and
# that folder's tests'), and litehtml is named only in .cpp files and _p.h headers.
set(test_roots tests bench fuzz)
set(libraries litehtml libcsv "test libraries")

# Every break is reported before the check fails.
function(report message)
    message(NOTICE "${message}")
    set_property(GLOBAL APPEND PROPERTY breaks "${message}")
endfunction()

function(fail file line_text message)
    file(READ "${SOURCE_DIR}/${file}" content)
    string(FIND "${content}" "${line_text}" position)
    string(SUBSTRING "${content}" 0 ${position} before)
    string(REGEX MATCHALL "\n" newlines "${before}")
    list(LENGTH newlines line)
    math(EXPR line "${line} + 1")
    report("${file}:${line}: ${message}")
endfunction()

# The folders that hold code: each top-level folder with a CMakeLists.txt, and each folder
# of tests/ (tests/support holds what several of them share).
file(GLOB top_level RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*/CMakeLists.txt")
file(GLOB test_folders RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/tests/*")
set(folders "")
foreach(path IN LISTS top_level test_folders)
    string(REGEX REPLACE "/CMakeLists.txt$" "" folder "${path}")
    if(IS_DIRECTORY "${SOURCE_DIR}/${folder}" AND NOT folder STREQUAL "tests")
        list(APPEND folders "${folder}")
    endif()
endforeach()

# Which folders hold a header of each name.
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE headers RELATIVE "${SOURCE_DIR}/${folder}" "${SOURCE_DIR}/${folder}/*.h"
         "${SOURCE_DIR}/${folder}/*.h.in")
    foreach(header IN LISTS headers)
        get_filename_component(name "${header}" NAME)
        string(REGEX REPLACE "\\.in$" "" name "${name}")
        list(APPEND "held_${name}" "${folder}")
    endforeach()
endforeach()

# The Qt module of each header named like a class.
function(qt_module header out)
    if(header MATCHES "^(Qt[A-Za-z]+)/")
        set(module "${CMAKE_MATCH_1}")
    else()
        file(GLOB found RELATIVE "${QT_HEADERS}" "${QT_HEADERS}/Qt*/${header}")
        if(NOT found)
            set(${out} "" PARENT_SCOPE)
            return()
        endif()
        list(GET found 0 module)
        string(REGEX REPLACE "/.*" "" module "${module}")
    endif()
    if(module STREQUAL "QtCore")
        set(${out} "Qt Core" PARENT_SCOPE)
    elseif(module STREQUAL "QtTest")
        set(${out} "Qt Test" PARENT_SCOPE)
    else()
        set(${out} "Qt" PARENT_SCOPE)
    endif()
endfunction()

foreach(folder IN LISTS folders)
    # What the folder may include.
    string(REGEX REPLACE "/.*" "" root "${folder}")
    list(FIND test_roots "${root}" test_root)
    file(GLOB_RECURSE code RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.cpp"
         "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.h.in")
    set(allowed "${folder}")
    if(test_root EQUAL -1)
        file(STRINGS "${SOURCE_DIR}/${folder}/CMakeLists.txt" statement REGEX "May include:")
        if(statement STREQUAL "")
            if(code)
                report("${folder}/CMakeLists.txt has code and no \"May include:\" line")
            endif()
            continue()
        endif()
        if(NOT statement MATCHES "May include: (([^.]|\\.[^ ])*)\\.( |$)")
            report("${folder}/CMakeLists.txt: its \"May include:\" list ends in no full stop")
            continue()
        endif()
        string(REGEX REPLACE " *\\([^)]*\\)" "" items "${CMAKE_MATCH_1}")
        string(REPLACE ", " ";" items "${items}")
        foreach(item IN LISTS items)
            list(FIND folders "${item}" known_folder)
            list(FIND libraries "${item}" known_library)
            if(item STREQUAL "Qt")
                list(APPEND allowed "Qt" "Qt Core")
            elseif(item STREQUAL "Qt Core" OR NOT known_folder EQUAL -1
                   OR NOT known_library EQUAL -1)
                list(APPEND allowed "${item}")
            elseif(NOT item STREQUAL "nothing")
                report("${folder}/CMakeLists.txt: \"${item}\" is no folder, Qt or library")
            endif()
        endforeach()
    else()
        list(APPEND allowed ${folders} "Qt" "Qt Core" "Qt Test" ${libraries})
    endif()

    # Where the folder's tests look after their own folder: the folder under test.
    string(REGEX REPLACE "^tests/" "" tested "${folder}")

    foreach(file IN LISTS code)
        file(STRINGS "${SOURCE_DIR}/${file}" includes ENCODING UTF-8
             REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line_text IN LISTS includes)
            string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" written "${line_text}")
            set(header "${CMAKE_MATCH_1}")
            get_filename_component(name "${header}" NAME)
            set(owner "")
            if(header MATCHES "\\.moc$" OR name MATCHES "^moc_")
                continue() # the file's own meta-object code, made by moc
            endif()
            # The folder a project header is named by: the longest folder its path starts with.
            foreach(candidate IN LISTS folders)
                string(LENGTH "${candidate}" length)
                string(LENGTH "${owner}" owner_length)
                if(header MATCHES "^${candidate}/" AND length GREATER owner_length)
                    set(owner "${candidate}")
                endif()
            endforeach()
            if(NOT owner STREQUAL "")
                if(NOT EXISTS "${SOURCE_DIR}/${header}" AND NOT EXISTS "${SOURCE_DIR}/${header}.in")
                    fail("${file}" "${line_text}" "${header} is no header of this project")
                    continue()
                endif()
            elseif(NOT header MATCHES "/" AND held_${name})
                fail("${file}" "${line_text}" "${header} names no folder: write it as ${held_${name}}/${name}")
                continue()
            elseif(line_text MATCHES "\"")
                fail("${file}" "${line_text}" "${header} is no header of this project")
                continue()
            elseif(header MATCHES "^Q")
                qt_module("${header}" owner)
                if(owner STREQUAL "")
                    continue() # named like Qt, but none of its headers
                endif()
            elseif(header MATCHES "^litehtml[./]")
                set(owner litehtml)
            elseif(header STREQUAL "csv.h")
                set(owner libcsv)
            elseif(header MATCHES "^(gtest|gmock|benchmark)/")
                set(owner "test libraries")
            else()
                continue() # the standard library, the system's
            endif()

            list(FIND allowed "${owner}" may)
            if(may EQUAL -1)
                fail("${file}" "${line_text}"
                     "${header} is ${owner}'s: ${folder}/CMakeLists.txt does not allow it")
            elseif(name MATCHES "_p\\.h$" AND NOT tested STREQUAL owner)
                fail("${file}" "${line_text}" "${header} is private to ${owner}")
            elseif(owner STREQUAL "litehtml" AND NOT file MATCHES "(\\.cpp|_p\\.h)$")
                fail("${file}" "${line_text}" "litehtml belongs in .cpp and _p.h files only")
            endif()
        endforeach()
    endforeach()
endforeach()

get_property(breaks GLOBAL PROPERTY breaks)
list(LENGTH breaks count)
if(count GREATER 0)
    message(FATAL_ERROR "${count} breaks of the layering, above")
endif()
