#pragma once
// Where designs are found. Every list of designs (Load, Load custom, the
// planner's opponents, the library, the explorer's opponents, the compare
// window) takes its folders from here, so a design saved anywhere the
// program writes is found everywhere.
#include <string>
#include <vector>

namespace platform {

// The bundled designs beside the program: the starting folder of "Load".
std::string BundledDesignsFolder(const std::string& programDir);
// The "Custom Files" Save writes to and "Load custom" starts in: beside the
// program when it can be written, else in the user's data folder.
std::string SaveFolder(const std::string& programDir);

// The bundled designs, "Custom Files" beside the program, "Custom Files" in
// the user's data folder, then `remembered` (the folders the library added
// and the file dialogs were last left in, as the caller's settings hold
// them): each folder that exists, once (by its real path), in that order.
std::vector<std::string> DesignFolders(const std::string& programDir, const std::vector<std::string>& remembered);

} // namespace platform
