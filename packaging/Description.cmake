# What the program is, said once: packaging/description.txt holds the
# summary (its first line) and the long description (the paragraphs after
# it). The package, the AppStream file, the desktop entry, the About box,
# --help and the manual pages all take them from there.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/description.txt ship_description_lines)
list(GET ship_description_lines 0 SHIP_SUMMARY)
file(READ ${CMAKE_SOURCE_DIR}/packaging/description.txt ship_description_text)
string(FIND "${ship_description_text}" "\n\n" ship_gap)
math(EXPR ship_gap "${ship_gap} + 2")
string(SUBSTRING "${ship_description_text}" ${ship_gap} -1 SHIP_DESCRIPTION)
string(STRIP "${SHIP_DESCRIPTION}" SHIP_DESCRIPTION)
# AppStream wants each paragraph in <p>.
string(REPLACE "&" "&amp;" ship_xml "${SHIP_DESCRIPTION}")
string(REPLACE "<" "&lt;" ship_xml "${ship_xml}")
string(REPLACE "\n\n" "</p>\n    <p>" ship_xml "${ship_xml}")
set(SHIP_DESCRIPTION_XML "<p>${ship_xml}</p>")

# The changelog's top entry is this version; its date is the release date.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog ship_changelog LIMIT_COUNT 200)
list(GET ship_changelog 0 ship_top)
if(NOT ship_top MATCHES "^shipdesigner \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${ship_top}', not version ${PROJECT_VERSION}: "
                      "add an entry for the version set in project()")
endif()
foreach(line IN LISTS ship_changelog)
  if(line MATCHES "^ -- .*>  [A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
    set(ship_year "${CMAKE_MATCH_3}")
    set(ship_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND ship_months "${CMAKE_MATCH_2}" ship_month)
    math(EXPR ship_month "${ship_month} + 1")
    math(EXPR ship_day "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "^([0-9])$" "0\\1" ship_month "${ship_month}")
    string(REGEX REPLACE "^([0-9])$" "0\\1" ship_day "${ship_day}")
    set(SHIP_RELEASE_DATE "${ship_year}-${ship_month}-${ship_day}")
    break()
  endif()
endforeach()
if(NOT SHIP_RELEASE_DATE)
  message(FATAL_ERROR "packaging/changelog: the top entry has no ' -- NAME <ADDRESS>  DATE' line")
endif()

# A change to either file configures again, so nothing built from them goes stale.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/description.txt
                                                               ${CMAKE_SOURCE_DIR}/packaging/changelog)
