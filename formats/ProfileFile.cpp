#include "formats/ProfileFile.h"

#include "platform/Encoding.h"
#include "platform/FileSystem.h"

void ProfileFile::Open(const std::string& path) {
    Close();
    path_ = path;
}

void ProfileFile::Close() {
    path_.clear();
    text_ = ProfileText();
    loaded_ = false;
}

void ProfileFile::OpenText(const std::string& text) {
    Close();
    text_ = ProfileText(text);
    loaded_ = true;
}

const ProfileText& ProfileFile::text() {
    if (!loaded_) {
        auto bytes = platform::readBytes(path_);
        text_ = ProfileText(bytes ? platform::cp1252ToUtf8(*bytes) : std::string());
        loaded_ = true;
    }
    return text_;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key, const std::string& def) {
    return text().ReadString(section, key, def);
}

std::int32_t ProfileFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) {
    return text().ReadInteger(section, key, def);
}

bool ProfileFile::ReadBool(const std::string& section, const std::string& key, bool def) {
    return text().ReadBool(section, key, def);
}
