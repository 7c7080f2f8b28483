#include "platform/Version.h"

namespace platform {

std::string VersionText(const char* program) {
    return std::string(program) + " " + kVersion +
           "\nCopyright (C) 2026 The Ship designer developers\n"
           "Free software under the MIT (Expat) licence: you may use, change and share it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

} // namespace platform
