# Writes a help2man include file with a COMMANDS section: every command's own
# --help, read from the program, so a new command is in the man page as soon
# as the program has it.
#   cmake -DCLI=path/to/spurgear-cli -DOUT=commands.h2m -P man_commands.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE top RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed")
endif()

function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  # A line starting with a dot or a quote would be taken as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REGEX MATCH "Subcommands:\n(.*)" section "${top}")
string(REGEX REPLACE "\n\n.*" "" section "${CMAKE_MATCH_1}")
string(REPLACE "\n" ";" lines "${section}")
set(body "[COMMANDS]\n")
foreach(line IN LISTS lines)
  if(line MATCHES "^  ([a-z][a-z0-9-]*) ")
    set(command ${CMAKE_MATCH_1})
    execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help)
    # The exit status is said once, in its own section.
    string(REGEX REPLACE "\nExit status:.*" "" help "${help}")
    roff_escape("${help}" help)
    string(APPEND body ".SS ${command}\n.nf\n${help}\n.fi\n")
  endif()
endforeach()
string(APPEND body "[SEE ALSO]\nThe help page of the desktop program (spurgear), under\n"
                   ".I share/spurgear/help/frame.htm\nof the installation prefix.\n")
file(WRITE ${OUT} "${body}")
