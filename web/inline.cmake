# Makes the one-file page: the page shell with the program's JavaScript (its
# WebAssembly embedded) in place of the marker.
#   cmake -DSHELL=shell.html -DJS=quorvel.js -DOUT=quorvel.html -P inline.cmake
file(READ "${SHELL}" page)
file(READ "${JS}" js)
# Nothing in the script may end the script element early.
string(REPLACE "</script" "<\\/script" js "${js}")
string(FIND "${page}" "/*QUORVEL_JS*/" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${SHELL} has no /*QUORVEL_JS*/ marker")
endif()
string(REPLACE "/*QUORVEL_JS*/" "${js}" page "${page}")
file(WRITE "${OUT}" "${page}")
