#pragma once
// Paths are formed the way the data rules form them ("\" between parts) and
// resolved here for the host: "\" becomes "/", doubled separators collapse,
// and a component that does not exist under its exact name is matched
// without regard to letter case ("Custom files" finds "Custom Files").
#include <string>

namespace platform {

// Backslashes to slashes, doubled separators collapsed. No disk access.
std::string normalizeSeparators(const std::string& path);

// normalizeSeparators, then each component that does not exist under its
// exact name is replaced by an existing entry of the same name in another
// letter case, when there is one. Components that match nothing stay as
// they are, so the result can name a file still to be created.
std::string resolvePath(const std::string& path);

// A folder's path with normalized separators and a trailing "/".
std::string folderPath(const std::string& dir);
// Directory of the running executable, with a trailing "/".
std::string executableDir();

// Where the program's data lives: the executable's directory when a "Data"
// folder stands beside it (the build tree, a copied folder), otherwise the
// installed share folder (<prefix>/share/shipdesigner/ beside <prefix>/bin/)
// when that holds "Data", otherwise the executable's directory. Trailing "/".
std::string defaultProgramDir();

// The user's data folder of the program: $XDG_DATA_HOME/shipdesigner/, or
// ~/.local/share/shipdesigner/ without it. Trailing "/".
std::string userDataDir();

// The folder holding the "Custom Files" that Save writes to and "Load
// custom" starts in: programDir when it can be written, else userDataDir().
std::string customFilesRoot(const std::string& programDir);

// The file name of a path: the part after its last "/", "\" or ":".
std::string fileNameOf(const std::string& path);

} // namespace platform
