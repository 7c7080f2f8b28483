#pragma once
// shipdesigner's command line, declared once: "--help" prints it and the
// build writes the manual page shipdesigner(1) from it.
#include "platform/CommandSpec.h"

const platform::ProgramSpec& DesignerProgram();
