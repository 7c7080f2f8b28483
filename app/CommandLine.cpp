#include "app/CommandLine.h"

#include "platform/Version.h"

namespace {

using platform::ExampleSpec;
using platform::OptionSpec;

const OptionSpec kOptions[] = {
    {"--help", nullptr, "show this text"},
    {"--version", nullptr, "show the version"},
};

const ExampleSpec kExamples[] = {
    {"", "start with an empty form on the installed data"},
    {"/usr/share/shipdesigner/Designs/Dreadnought.sdf", "open a bundled design"},
};

} // namespace

const platform::ProgramSpec& DesignerProgram() {
    static const platform::ProgramSpec program = {
        "shipdesigner",
        SHIP_SUMMARY,
        "[FILE.sdf]\n--help | --version",
        // The long description is the package's (packaging/description.txt).
        nullptr,
        kOptions,
        {},
        {},
        "0 when the design form is closed. With SHIPDESIGNER_CHECK_START=1, 1 when the start found a problem.",
        "Data/, Designs/, Flags/, Scenarios/ and Preferences beside the program, or else in the installed "
        "share/shipdesigner/: the tables, the bundled designs and scenarios, the flags and the settings shared "
        "with the game.\n\n"
        "Custom Files/ beside the program, or ~/.local/share/shipdesigner/Custom Files/ when the program's folder "
        "cannot be written: where Save writes.\n\n"
        "~/.local/share/shipdesigner/Recovery/: copies of unsaved work, offered again after a crash.\n\n"
        "~/.config/ship-designer/designer.conf: window places, last folders and the library's folders.\n\n"
        "~/.cache/ship-designer/: the library's cache of rows and plan views.",
        "XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME move the user's folders named under FILES.\n\n"
        "SHIPDESIGNER_CHECK_START=1 starts as usual, prints what the start found on standard output and quits; "
        "every message goes to standard error instead of a box.\n\n"
        "Qt's own options (such as -platform offscreen) and variables (QT_QPA_PLATFORM) are taken as well.",
        kExamples,
        "sdftool(1)",
    };
    return program;
}
