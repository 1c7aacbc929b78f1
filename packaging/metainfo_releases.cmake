# Writes the installed software-centre entry: the metainfo file with its
# <releases> taken from the Debian changelog, so that a new changelog entry is
# all a release needs. One release per upstream version (the Debian revision
# is the package's, not the program's), dated by its first entry, newest first
# as the changelog lists them.
#   cmake -D TEMPLATE=... -D CHANGELOG=... -D OUTPUT=... -P metainfo_releases.cmake
cmake_minimum_required(VERSION 3.25)
set(marker "  <!-- releases: written here from changelog.Debian when the package is built -->")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

file(READ "${TEMPLATE}" metainfo)
file(READ "${CHANGELOG}" changelog)
string(FIND "${metainfo}" "${marker}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} lacks the line where the releases go:\n${marker}")
endif()

# Lines as a list: the changelog's own semicolons must not split it.
string(REPLACE ";" "<semicolon>" changelog "${changelog}")
string(REPLACE "\n" ";" lines "${changelog}")

function(xml_text text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "&lt;semicolon&gt;" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(versions)
foreach(line IN LISTS lines)
  if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([0-9]+:)?([^)]+)\\)")
    string(REGEX REPLACE "-[^-]*$" "" version "${CMAKE_MATCH_2}")
    if(NOT version IN_LIST versions)
      list(APPEND versions "${version}")
      set(items_${version})
    endif()
  elseif(line MATCHES "^  \\* (.*)$")
    list(APPEND items_${version} "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^    (.*)$")
    list(POP_BACK items_${version} item)
    list(APPEND items_${version} "${item} ${CMAKE_MATCH_1}")
  elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    string(LENGTH "${CMAKE_MATCH_1}" day_digits)
    set(day "${CMAKE_MATCH_1}")
    if(day_digits EQUAL 1)
      set(day "0${day}")
    endif()
    if(month LESS 10)
      set(month "0${month}")
    endif()
    # Older entries of the same version come later and move its date back.
    set(date_${version} "${CMAKE_MATCH_3}-${month}-${day}")
  endif()
endforeach()
if(NOT versions)
  message(FATAL_ERROR "${CHANGELOG} has no entry")
endif()

set(releases "  <releases>\n")
foreach(version IN LISTS versions)
  if(NOT date_${version})
    message(FATAL_ERROR "${CHANGELOG}: the entry of ${version} has no dated trailer line")
  endif()
  string(APPEND releases "    <release version=\"${version}\" date=\"${date_${version}}\">\n"
         "      <description>\n        <ul>\n")
  foreach(item IN LISTS items_${version})
    xml_text("${item}" item)
    string(APPEND releases "          <li>${item}</li>\n")
  endforeach()
  string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
endforeach()
string(APPEND releases "  </releases>")

string(REPLACE "${marker}" "${releases}" metainfo "${metainfo}")
file(WRITE "${OUTPUT}" "${metainfo}")
