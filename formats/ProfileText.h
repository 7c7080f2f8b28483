#pragma once
// A profile (INI) text parsed once: "[section]" lines and "key=value" lines.
// Section and key names match without regard to letter case; blanks and
// tabs around names and values are ignored; lines starting with ";" are
// comments, and lines before the first section belong to none. A section
// may stand more than once; when a key occurs twice in a section, the first
// occurrence wins. A missing section or key yields the default, and so does
// an empty value for integers and flags.
//
// The text is indexed as it is parsed, so a lookup hashes the names it is
// given and allocates nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileText {
public:
    static constexpr size_t kMaxValueLength = 2047;

    ProfileText() = default;
    explicit ProfileText(std::string utf8);

    // The value as written, blanks around it dropped, or none.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // The value cut to kMaxValueLength characters.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; a value that does not
    // convert gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // Any integer but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

private:
    // Positions in text_, so the index stays valid however the object moves.
    struct Span {
        size_t at = 0, size = 0;
    };
    struct Entry {
        Span section, key, value;
    };

    std::string_view view(Span s) const { return std::string_view(text_).substr(s.at, s.size); }
    void index();

    std::string text_;
    std::vector<Entry> entries_;
    // Open addressing on the letter-case-free hash of section and key: the
    // hash's upper half over entry number + 1, 0 for a free slot. Holds only
    // the first occurrence of a name.
    std::vector<std::uint64_t> slots_;
};
