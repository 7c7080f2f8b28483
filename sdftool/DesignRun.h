#pragma once
// What report and check share: loading the program data with its messages
// kept apart, and reading one design the way the design form loads it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designfile/DesignCheck.h"
#include "designfile/DesignInputs.h"
#include "platform/Problems.h"
#include "shipdata/Ship.h"
#include "tables/ProgramData.h"

// Loads the data tables of programDir, writing their messages to stderr
// (they belong to no design). False when a design-rule table is missing.
bool LoadToolData(const std::string& programDir, ProgramData& data);

struct DesignRun {
    std::string file;
    bool readable = false; // the file exists, could be read and is a ship design file
    std::string notDesign; // why not a ship design file (the whole message), or empty
    DesignInputs inputs;
    std::unique_ptr<TDesignShip> ship;
    platform::Problems problems;             // what the rules said while loading and recomputing
    std::vector<DesignProblem> fileProblems; // of the file itself: illegal values, sections cut short
};

// Files named on the command line, each folder replaced by the *.sdf files
// in it, sorted by name; an empty folder is reported on standard error as
// "sdftool VERB: no design files in ...".
std::vector<std::string> CollectDesignFiles(const std::vector<std::string>& paths, const char* verb);

// Runs `each` on every file in order: exit status 1 when any call gave
// false (a file that could not be read or loaded), else 0.
int ForEachDesign(const std::vector<std::string>& files, const std::function<bool(const std::string&)>& each);

// Reads the file with a fresh form state (every default), recomputes and
// keeps the rules' problems in order. A missing or unreadable file gives
// readable == false and no ship.
DesignRun RunDesign(const std::string& file, const ProgramData& data);

// Prints why a design file could not be used: "sdftool VERB: <file> is not a
// ship design file: <reason>", or "sdftool VERB: cannot read design file '<file>'".
void ReportUnreadable(const char* verb, const std::string& file);
