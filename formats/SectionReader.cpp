#include "formats/SectionReader.h"

#include "platform/NumberText.h"

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameTextAscii(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool startsWithKey(const std::string& line, const std::string& key) {
    return line.size() > key.size() && line[key.size()] == '=' && line.compare(0, key.size(), key) == 0;
}

std::string valueOf(const std::string& line) { return line.substr(line.find('=') + 1); }

} // namespace

int TSectionReader::HeaderIndex(const std::string& section) {
    if (haveSection_ && section == section_) return header_;
    const std::string header = "[" + section + "]";
    int found = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (sameTextAscii(lines_[i], header)) {
            found = static_cast<int>(i);
            break;
        }
    }
    haveSection_ = true;
    section_ = section;
    header_ = found;
    return found;
}

int TSectionReader::findKey(int header, const std::string& key) {
    const bool plainKey = key.find('=') == std::string::npos;
    const size_t next = static_cast<size_t>(keyLine_) + 1;
    if (plainKey && keyLine_ >= 0 && header == keyHeader_ && next < lines_.size()) {
        const std::string& line = lines_[next];
        if (startsWithKey(line, key) && line[0] != '[' && !keysUpToKeyLine_.count(key)) {
            keyLine_ = static_cast<int>(next);
            keysUpToKeyLine_.insert(key);
            return keyLine_;
        }
    }

    std::unordered_set<std::string> seen;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (!line.empty() && line[0] == '[') return -1;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        seen.insert(line.substr(0, eq));
        if (startsWithKey(line, key)) {
            keyLine_ = static_cast<int>(i);
            keyHeader_ = header;
            keysUpToKeyLine_ = std::move(seen);
            return keyLine_;
        }
    }
    return -1;
}

std::string TSectionReader::ReadString(const std::string& section, const std::string& key, const std::string& def) {
    const int line = findKey(HeaderIndex(section), key);
    if (line < 0) return def;
    std::string value = valueOf(lines_[static_cast<size_t>(line)]);
    return value.empty() ? def : value;
}

std::int32_t TSectionReader::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) {
    return platform::StrToIntDef(ReadString(section, key, ""), def);
}

bool TSectionReader::ReadBool(const std::string& section, const std::string& key, bool def) {
    const std::string text = ReadString(section, key, "");
    if (text == "1") return true;
    if (text == "0") return false;
    return def;
}

void TSectionLines::Set(size_t index, std::string line) {
    std::vector<std::string> changed = lines();
    changed.at(index) = std::move(line);
    reader_ = TSectionReader(std::move(changed));
}

std::string ReadSectionString(const TSectionLines& lines, const std::string& section, const std::string& key,
                              const std::string& def) {
    return lines.reader_.ReadString(section, key, def);
}

std::int32_t ReadSectionInteger(const TSectionLines& lines, const std::string& section, const std::string& key,
                                std::int32_t def) {
    return lines.reader_.ReadInteger(section, key, def);
}

bool ReadSectionBool(const TSectionLines& lines, const std::string& section, const std::string& key, bool def) {
    return lines.reader_.ReadBool(section, key, def);
}
