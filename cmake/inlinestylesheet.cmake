# Writes the start page IN to OUT with its link to the shared stylesheet CSS
# replaced by the stylesheet itself, so that the page needs no other file:
# the panes' local pages may not read other local files.
# cmake -DIN=page.htm -DCSS=start.css -DOUT=out.htm -P inlinestylesheet.cmake
file(READ "${IN}" page)
file(READ "${CSS}" style)
string(REPLACE "<link rel=\"stylesheet\" href=\"start.css\">" "<style>\n${style}</style>" inlined "${page}")
if(inlined STREQUAL page)
  message(FATAL_ERROR "${IN} has no link to start.css")
endif()
file(WRITE "${OUT}" "${inlined}")
