# Fills DIST afresh (run by the dist target; see dist.cmake for the variables).
file(REMOVE_RECURSE ${DIST})
file(MAKE_DIRECTORY ${DIST})

string(REPLACE "|" ";" PROGRAMS "${PROGRAMS}")
foreach(program IN LISTS PROGRAMS)
  file(COPY ${program} DESTINATION ${DIST})
  get_filename_component(name ${program} NAME)
  # What is shipped carries no debugging symbols.
  if(STRIP)
    execute_process(COMMAND ${STRIP} ${DIST}/${name} RESULT_VARIABLE stripped)
    if(NOT stripped EQUAL 0)
      message(FATAL_ERROR "Cannot strip ${name}")
    endif()
  endif()
endforeach()

file(COPY ${SOURCE}/src/ui/help DESTINATION ${DIST})
# The program's icon, for its menu entry.
configure_file(${SOURCE}/desktop/icons/org.lumox.Lumox.svg ${DIST}/lumox.svg COPYONLY)
file(GLOB texts ${TEXTS}/*)
file(COPY ${texts} DESTINATION ${DIST})
file(GLOB examples ${SOURCE}/examples/*.dat)
file(COPY ${examples} DESTINATION ${DIST})

# Example results: what lumox-cli records for lxtest.dat, so they always match the program.
execute_process(
  COMMAND ${CLI} ${DIST}/lxtest.dat --input-data --describe Growth
          --reports equation,anova,residuals,intervals --simple Time Growth best-r2
          --estimate 5 --output ${DIST}/lxtest.txt
  RESULT_VARIABLE status ERROR_VARIABLE messages)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lumox-cli could not make lxtest.txt (${status}): ${messages}")
endif()

# The help contents file: one link per help page, by the page's title, the topics page first.
file(GLOB pages RELATIVE ${DIST}/help ${DIST}/help/*.html)
list(SORT pages)
list(REMOVE_ITEM pages index.html)
list(PREPEND pages index.html)
set(links "")
foreach(page IN LISTS pages)
  file(READ ${DIST}/help/${page} html)
  string(REGEX MATCH "<title>([^<]*)</title>" found "${html}")
  set(title "${CMAKE_MATCH_1}")
  if(NOT title)
    set(title "${page}")
  endif()
  string(APPEND links "<li><a href=\"help/${page}\">${title}</a></li>\n")
endforeach()
file(WRITE ${DIST}/contents.html
  "<html><head><title>Lumox Help Contents</title></head><body>\n"
  "<h2>Lumox Help Contents</h2>\n<ul>\n${links}</ul>\n</body></html>\n")
