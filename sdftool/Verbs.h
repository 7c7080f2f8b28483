#pragma once
// sdftool's command line, declared once: each verb with its synopsis, what
// it does, its options and its exit statuses. The parser (sdftool/Options),
// the usage texts, the manual page and the bash completion all come from it.
#include "platform/CommandSpec.h"

namespace sdftool {

const platform::ProgramSpec& Program();

} // namespace sdftool
