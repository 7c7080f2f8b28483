#include "formats/ProfileText.h"

#include "platform/Encoding.h"
#include "platform/NumberText.h"

#include <cstring>

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true; // names are mostly written alike: skip the folding
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string_view trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

// Eight bytes at a time with every byte's 0x20 bit set, so names that differ
// only in letter case hash alike (a few other pairs do too, which the full
// comparison sorts out). Each name's length goes into its last word.
std::uint64_t hashNames(std::string_view section, std::string_view key) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    auto mix = [&h](std::uint64_t word) {
        h = (h ^ (word | 0x2020202020202020ull)) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    };
    auto add = [&mix](std::string_view s) {
        size_t i = 0;
        for (; i + 8 <= s.size(); i += 8) {
            std::uint64_t word;
            std::memcpy(&word, s.data() + i, 8);
            mix(word);
        }
        std::uint64_t tail = 0;
        if (i < s.size()) std::memcpy(&tail, s.data() + i, s.size() - i);
        mix(tail ^ (s.size() << 56));
    };
    add(section);
    add(key);
    return h;
}

} // namespace

ProfileText::ProfileText(std::string utf8) : text_(std::move(utf8)) {
    const std::string_view all(text_);
    auto spanOf = [&all](std::string_view part) {
        return Span{static_cast<size_t>(part.data() - all.data()), part.size()};
    };
    bool inSection = false;
    Span section;
    for (size_t pos = 0; pos < all.size();) {
        size_t end = all.find('\n', pos);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            section = spanOf(trim(line.substr(1, close == std::string_view::npos ? close : close - 1)));
            inSection = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        const std::string_view key = trim(line.substr(0, eq));
        if (key.empty()) continue;
        entries_.push_back({section, spanOf(key), spanOf(trim(line.substr(eq + 1)))});
    }
    index();
}

void ProfileText::index() {
    size_t size = 16;
    while (size < 4 * entries_.size()) size *= 2;
    slots_.assign(size, 0);
    for (size_t i = 0; i < entries_.size(); ++i) {
        const std::string_view section = view(entries_[i].section), key = view(entries_[i].key);
        const std::uint64_t hash = hashNames(section, key);
        const std::uint64_t tag = hash >> 32 << 32;
        for (size_t s = hash & (size - 1);; s = (s + 1) & (size - 1)) {
            if (slots_[s] == 0) {
                slots_[s] = tag | (i + 1);
                break;
            }
            const Entry& other = entries_[(slots_[s] & 0xFFFFFFFFu) - 1];
            if ((slots_[s] & ~0xFFFFFFFFull) == tag && sameName(view(other.section), section) &&
                sameName(view(other.key), key))
                break; // the first one wins
        }
    }
}

std::optional<std::string_view> ProfileText::Find(std::string_view section, std::string_view key) const {
    if (entries_.empty()) return std::nullopt;
    section = trim(section);
    key = trim(key);
    const std::uint64_t hash = hashNames(section, key);
    const std::uint64_t tag = hash >> 32 << 32;
    const size_t mask = slots_.size() - 1;
    for (size_t s = hash & mask; slots_[s] != 0; s = (s + 1) & mask) {
        if ((slots_[s] & ~0xFFFFFFFFull) != tag) continue;
        const Entry& e = entries_[(slots_[s] & 0xFFFFFFFFu) - 1];
        if (sameName(view(e.key), key) && sameName(view(e.section), section)) return view(e.value);
    }
    return std::nullopt;
}

std::string ProfileText::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const auto v = Find(section, key);
    if (!v) return std::string(def);
    if (v->size() > kMaxValueLength && platform::utf8Length(*v) > kMaxValueLength)
        return platform::utf8Left(*v, kMaxValueLength);
    return std::string(*v);
}

std::int32_t ProfileText::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    auto v = Find(section, key);
    if (!v || v->empty()) return def;
    std::string_view text = *v;
    std::string copy; // only for the rare texts that need changing
    if (text.size() > kMaxValueLength && platform::utf8Length(text) > kMaxValueLength)
        text = copy = platform::utf8Left(text, kMaxValueLength);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        copy = "$" + std::string(text.substr(2));
        text = copy;
    }
    return platform::StrToIntDef(text, def);
}

bool ProfileText::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}
