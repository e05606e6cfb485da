# Writes the manual page of tunelark-cli from its own help: the tool's summary, then every group and
# subcommand with the help it prints, so the page cannot drift from the tool.
# cmake -DTOOL=<tunelark-cli> -DVERSION=<version> -DOUTPUT=<page> -P make-man-page.cmake

function(tool_help out)
    execute_process(COMMAND ${TOOL} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${TOOL} ${ARGN} --help failed: ${status}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The names listed under `heading` ("Groups:", "Subcommands:"), one an indented line, up to a blank line.
function(listed_names text heading out)
    set(names)
    string(FIND "${text}" "${heading}\n" start)
    if(start GREATER -1)
        string(LENGTH "${heading}\n" skip)
        math(EXPR start "${start} + ${skip}")
        string(SUBSTRING "${text}" ${start} -1 rest)
        string(FIND "${rest}" "\n\n" end)
        string(SUBSTRING "${rest}" 0 ${end} section)
        string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]*" entries "${section}")
        foreach(entry IN LISTS entries)
            string(STRIP "${entry}" name)
            list(APPEND names ${name})
        endforeach()
    endif()
    set(${out} ${names} PARENT_SCOPE)
endfunction()

# Help text as a literal roff block: backslashes and line-leading dots or quotes kept as text.
function(literal text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    string(REGEX REPLACE "\n+$" "" text "${text}")
    set(${out} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

tool_help(top)
literal("${top}" top_block)
set(page ".TH TUNELARK-CLI 1 \"\" \"tunelark-cli ${VERSION}\" \"User Commands\"
.SH NAME
tunelark-cli \\- station lists, skins, WAVE files and MP3 encoding for the Tunelark radio player
.SH SYNOPSIS
.B tunelark-cli
.I GROUP SUBCOMMAND
.RI [ ARGUMENTS ]
.SH DESCRIPTION
${top_block}")
listed_names("${top}" "Groups:" groups)
foreach(group IN LISTS groups)
    tool_help(group_help ${group})
    literal("${group_help}" block)
    string(APPEND page ".SH \"${group}\"\n${block}")
    listed_names("${group_help}" "Subcommands:" subcommands)
    foreach(subcommand IN LISTS subcommands)
        tool_help(help ${group} ${subcommand})
        literal("${help}" block)
        string(APPEND page ".SS \"${group} ${subcommand}\"\n${block}")
    endforeach()
endforeach()
string(APPEND page ".SH FILES
.TP
.I PREFIX/lib/tunelark/Player.dll
the station list installed with the programs (\\fI/usr/lib/tunelark\\fR from the Debian package); no user
may change it, so a change to it made through this tool goes to the user's copy
.TP
.I $XDG_DATA_HOME/Tunelark/Player.dll
the user's station list (\\fI~/.local/share/Tunelark/Player.dll\\fR by default)
.TP
.I $XDG_DATA_HOME/Tunelark/Skins/
the user's own skins
")
file(WRITE ${OUTPUT}.tmp "${page}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
