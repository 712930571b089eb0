# Common compile options for every target of the project.
function(quillory_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()
