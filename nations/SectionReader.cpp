#include "nations/SectionReader.h"

// Placeholder; filled in by the data-file work.
std::string ReadSectionString(const std::vector<std::string>&, const std::string&, const std::string&,
                              const std::string& def) { return def; }
std::int32_t ReadSectionInteger(const std::vector<std::string>&, const std::string&, const std::string&,
                                std::int32_t def) { return def; }
bool ReadSectionBool(const std::vector<std::string>&, const std::string&, const std::string&, bool def) { return def; }
