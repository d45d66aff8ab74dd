# cmake -DSHELL=<template> -DSTYLE=<css> -DSCRIPT=<js> -DOUTPUT=<html> -P assemble_page.cmake
# Writes the one self-contained page: the template with the styles and the module's script inlined.
file(READ ${STYLE} PAGE_STYLE)
file(READ ${SCRIPT} PAGE_SCRIPT)
# Inside a script element these would end it early or change how the rest is read.
string(TOLOWER "${PAGE_SCRIPT}" lowered)
foreach(marker "</script" "<!--")
    string(FIND "${lowered}" "${marker}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "${SCRIPT} holds \"${marker}\", which cannot stand inside an inline script")
    endif()
endforeach()
configure_file(${SHELL} ${OUTPUT} @ONLY)
