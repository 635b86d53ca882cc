# SPDX-License-Identifier: MIT
# The texts that name the version by hand agree with the project's version: the package's
# changelog and the metainfo's newest release as 1.0.85, the manual pages as the window shows
# it, "1.00; build: 85". Run as: cmake -DVERSION=... -DSOURCE_DIR=... -P check_version_texts.cmake
string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 revision)
foreach(number minor revision)
    string(LENGTH "${${number}}" length)
    if(length LESS 2)
        set(${number} "0${${number}}")
    endif()
endforeach()
set(shown "VarnelCalc ${major}.${minor}; build: ${revision}")

# The first line of FILE that matches MARKER holds EXPECTED.
function(check file marker expected)
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "${marker}")
    list(GET lines 0 line)
    string(FIND "${line}" "${expected}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "${file}: '${line}' does not hold ${expected}")
    endif()
endfunction()

check(packaging/changelog "^varnelcalc \\(" "varnelcalc (${VERSION})")
check(packaging/example.varnelcalc.VarnelCalc.metainfo.xml "<release " "<release version=\"${VERSION}\"")
check(app/VarnelCalc.1 "^\\.TH " "\"${shown}\"")
check(cli/varnelcalc-cli.1 "^\\.TH " "\"${shown}\"")
