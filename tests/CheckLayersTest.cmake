# The layer check on small scratch trees: a clean tree passes, and each kind
# of wrong include fails with a message that names it.
# Run as: cmake -DCHECK=.../CheckLayers.cmake -DSCRATCH=<temp dir> -P CheckLayersTest.cmake
cmake_minimum_required(VERSION 3.25)
set(failures "")

# check_case(<name> <"pass" or a regex of the message> [<file> <first line>]...)
function(check_case name expect)
  set(root "${SCRATCH}/${name}")
  file(REMOVE_RECURSE "${root}")
  file(WRITE "${root}/platform/Paths.h" "#pragma once\n#include <string>\n#include <map>\n")
  file(WRITE "${root}/map/Geodesy.h" "#include \"platform/Paths.h\"\n#include <nlohmann/json.hpp>\n")
  file(WRITE "${root}/map/qt/MapControl.h" "#include <QWidget>\n#include \"map/Geodesy.h\"\n")
  file(WRITE "${root}/designer/frmDesign.h" "#include <QtWidgets/QDialog>\n#include \"map/qt/MapControl.h\"\n")
  file(WRITE "${root}/tests/AnyTest.cpp" "#include <QWidget>\n#include \"../designer/frmDesign.h\"\n")
  set(files ${ARGN})
  while(files)
    list(POP_FRONT files path line)
    file(WRITE "${root}/${path}" "${line}\n")
  endwhile()
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSOURCE_DIR=${root} -P "${CHECK}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(expect STREQUAL "pass" AND NOT rc EQUAL 0)
    set(failures "${failures}${name}: expected to pass, got:\n${out}\n" PARENT_SCOPE)
  elseif(NOT expect STREQUAL "pass" AND (rc EQUAL 0 OR NOT out MATCHES "${expect}"))
    set(failures "${failures}${name}: expected a failure matching '${expect}', got (${rc}):\n${out}\n" PARENT_SCOPE)
  endif()
endfunction()

check_case(clean pass
  planner/frmPlanner.cpp [[#include "designer/frmDesign.h"]]
  shipdata/Ship.cpp [[#include <queue>]])
check_case(upwards "Ship.cpp \\(layer 3\\) includes designer/frmDesign.h \\(layer 6\\)"
  shipdata/Ship.cpp [[#include "designer/frmDesign.h"]])
check_case(angle_brackets "angle brackets.*layer 3\\) includes designer/frmDesign.h"
  shipdata/Ship.cpp [[#include <designer/frmDesign.h>]])
check_case(angle_brackets_same_layer "<platform/Paths.h> is a project header in angle brackets"
  shipdata/Ship.cpp [[#include <platform/Paths.h>]])
check_case(relative_up "relative.*layer 3\\) includes designer/frmDesign.h"
  map/Geodesy.cpp [[#include "../designer/frmDesign.h"]])
check_case(relative_beside "\"./Geodesy.h\" is relative"
  map/Geodesy.cpp [[#include "./Geodesy.h"]])
check_case(relative_into_qt "map/Geodesy.cpp \\(layer 3\\) includes map/qt/MapControl.h"
  map/Geodesy.cpp [[#include "qt/MapControl.h"]])
foreach(qt IN ITEMS "<QString>" "<QtCore>" "<QtCore/QString>" "<qstring.h>" "\"QString\"")
  string(MAKE_C_IDENTIFIER "qt_${qt}" name)
  check_case(${name} "Ship.cpp is core code and includes Qt" shipdata/Ship.cpp "#include ${qt}")
endforeach()
check_case(unknown_folder "folder \"scenarios/\" \\(scenarios/Baltic.h\\) has no layer.*CheckLayers.cmake"
  scenarios/Baltic.h [[#include "platform/Paths.h"]])
check_case(unknown_subfolder "folder \"combat/detail/\""
  combat/detail/Fire.h [[#include "platform/Paths.h"]])
check_case(unknown_qt_side "folder \"nations/qt/\" \\(nations/qt/NationList.h\\) has no layer"
  nations/qt/NationList.h [[#include <QWidget>]])
check_case(known_qt_side pass
  explore/qt/ExploreWindow.h [[#include "map/qt/MapControl.h"]])
# Build trees are left out by what they hold, not by their name.
check_case(build_tree pass
  build-x/CMakeCache.txt "# a configured tree"
  build-x/shipdata/Ship.cpp [[#include "designer/frmDesign.h"]]
  build-y/CMakeFiles/gen.cpp [[#include "designer/frmDesign.h"]])
check_case(build_named_folder "folder \"buildinfo/\" \\(buildinfo/Version.h\\) has no layer"
  buildinfo/Version.h [[#include "platform/Paths.h"]])
foreach(ext IN ITEMS ipp tpp)
  check_case(template_${ext} "Ship.${ext} \\(layer 3\\) includes designer/frmDesign.h"
    shipdata/Ship.${ext} [[#include "designer/frmDesign.h"]])
endforeach()
check_case(macro_include "Ship.cpp: #include SHIP_HEADER names no header"
  shipdata/Ship.cpp "#define SHIP_HEADER \"designer/frmDesign.h\"\n#include SHIP_HEADER")
check_case(qt_private "Ship.cpp is core code and includes Qt: <private/qobject_p.h>"
  shipdata/Ship.cpp [[#include <private/qobject_p.h>]])
check_case(tools_on_top pass
  tools/screenshots.cpp [[#include "designer/frmDesign.h"]])
check_case(tools_below "frmDesign.cpp \\(layer 6\\) includes tools/Shots.h \\(layer 7\\)"
  tools/Shots.h [[#include <string>]]
  designer/frmDesign.cpp [[#include "tools/Shots.h"]])
check_case(cycle "folders designer, planner include from each other"
  designer/frmDesign.cpp [[#include "planner/PlannerButton.h"]]
  planner/PlannerButton.cpp [[#include "designer/frmDesign.h"]])
check_case(ring "folders designer, planner, status include from each other"
  designer/frmDesign.cpp [[#include "planner/frmPlanner.h"]]
  planner/frmPlanner.cpp [[#include "status/ShipStatus.h"]]
  status/ShipStatus.cpp [[#include "designer/frmDesign.h"]])

file(REMOVE_RECURSE "${SCRATCH}")
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
