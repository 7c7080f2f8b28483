#pragma once
// Reader of "[section]" / "key=value" files already read into lines (the
// nation table and the basic data). Keys are case-sensitive and start in
// the first column; headers match without regard to letter case.
#include <cstdint>
#include <string>
#include <vector>

std::string ReadSectionString(const std::vector<std::string>& lines, const std::string& section,
                              const std::string& key, const std::string& def);
std::int32_t ReadSectionInteger(const std::vector<std::string>& lines, const std::string& section,
                                const std::string& key, std::int32_t def);
bool ReadSectionBool(const std::vector<std::string>& lines, const std::string& section, const std::string& key,
                     bool def);
