# Installs the build into a fresh prefix and checks that a desktop would find the game there:
# the executable, the desktop entry, an icon of every size (and of that size), the metainfo,
# the saved games' type and the manual page, and that the first three name each other the
# same way.
#   cmake -D BUILD_DIR=... -D PREFIX=... -D BINDIR=bin -D APP_ID=... -D ICON_SIZES="16;22;..."
#         -P CheckInstall.cmake

foreach(var BUILD_DIR PREFIX BINDIR APP_ID ICON_SIZES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CheckInstall.cmake needs -D ${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(problems "")
macro(problem text)
    string(APPEND problems "\n  ${text}")
endmacro()

macro(require path)
    if(NOT EXISTS "${PREFIX}/${path}")
        problem("missing ${path}")
    endif()
endmacro()

set(desktop_entry share/applications/${APP_ID}.desktop)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
require(${BINDIR}/quillmar)
require(${desktop_entry})
require(${metainfo})
require(share/mime/packages/${APP_ID}.xml)
require(share/man/man6/quillmar.6)

# A PNG states its width and height as two 32-bit numbers from byte 16 on.
foreach(size IN LISTS ICON_SIZES)
    set(icon share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    require(${icon})
    if(EXISTS "${PREFIX}/${icon}")
        file(READ "${PREFIX}/${icon}" header OFFSET 16 LIMIT 8 HEX)
        math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(REGEX REPLACE "^0x" "0000000" expected "${expected}")
        string(REGEX REPLACE "^.*(........)$" "\\1" expected "${expected}")
        string(TOLOWER "${expected}${expected}" expected)
        if(NOT header STREQUAL expected)
            problem("${icon} is not ${size} x ${size} pixels (header ${header})")
        endif()
    endif()
endforeach()

# The desktop entry must start the installed program and show the installed icon, and the
# metainfo must point at the desktop entry, or software centres show a game they cannot open.
if(EXISTS "${PREFIX}/${desktop_entry}")
    file(STRINGS "${PREFIX}/${desktop_entry}" exec REGEX "^Exec=")
    file(STRINGS "${PREFIX}/${desktop_entry}" icon REGEX "^Icon=")
    if(NOT exec MATCHES "^Exec=quillmar( |$)")
        problem("${desktop_entry} does not run quillmar: ${exec}")
    endif()
    if(NOT icon STREQUAL "Icon=${APP_ID}")
        problem("${desktop_entry} names another icon: ${icon}")
    endif()
endif()
if(EXISTS "${PREFIX}/${metainfo}")
    file(READ "${PREFIX}/${metainfo}" xml)
    # Found literally: the id's dots are no pattern.
    string(FIND "${xml}" "<id>${APP_ID}</id>" named)
    if(named EQUAL -1)
        problem("${metainfo} has another component id")
    endif()
    string(FIND "${xml}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
           launches)
    if(launches EQUAL -1)
        problem("${metainfo} does not launch ${APP_ID}.desktop")
    endif()
endif()

if(problems)
    message(FATAL_ERROR "The installed tree in ${PREFIX} is incomplete:${problems}")
endif()
message(STATUS "Installed tree in ${PREFIX} is complete")
