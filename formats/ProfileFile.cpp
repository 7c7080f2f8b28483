#include "formats/ProfileFile.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/NumberText.h"

#include <cctype>

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

std::string makeKey(const std::string& section, const std::string& key) {
    return lower(trim(section)) + '\n' + lower(trim(key));
}

} // namespace

void ProfileFile::Open(const std::string& path) {
    Close();
    path_ = path;
}

void ProfileFile::Close() {
    path_.clear();
    values_.clear();
    loaded_ = false;
}

void ProfileFile::OpenText(const std::string& text) {
    Close();
    loaded_ = true;
    std::string section;
    bool inSection = false;
    for (const std::string& raw : platform::splitLines(text)) {
        std::string line = trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            auto close = line.find(']');
            section = trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            inSection = true;
            continue;
        }
        if (!inSection) continue;
        auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = trim(line.substr(0, eq));
        if (key.empty()) continue;
        values_.try_emplace(makeKey(section, key), trim(line.substr(eq + 1)));
    }
}

void ProfileFile::load() {
    if (loaded_) return;
    std::string path = path_;
    auto bytes = platform::readBytes(path);
    OpenText(bytes ? platform::cp1252ToUtf8(*bytes) : std::string());
    path_ = path;
}

const std::string* ProfileFile::find(const std::string& section, const std::string& key) {
    load();
    auto it = values_.find(makeKey(section, key));
    return it == values_.end() ? nullptr : &it->second;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
    const std::string* v = find(section, key);
    if (!v) return def;
    return platform::utf8Length(*v) > kMaxValueLength ? platform::utf8Left(*v, kMaxValueLength) : *v;
}

std::int32_t ProfileFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) {
    std::string text = ReadString(section, key, "");
    if (text.empty()) return def;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    return platform::StrToIntDef(text, def);
}

bool ProfileFile::ReadBool(const std::string& section, const std::string& key, bool def) {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}
