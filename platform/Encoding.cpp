#include "platform/Encoding.h"

#include <cstdint>

namespace platform {

namespace {

// Code points of bytes 0x80..0x9F.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one code point at pos; returns false on malformed input.
bool nextCodePoint(std::string_view s, size_t& pos, char32_t& cp, size_t& start) {
    start = pos;
    auto b = static_cast<unsigned char>(s[pos]);
    int extra;
    if (b < 0x80) {
        cp = b;
        extra = 0;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        extra = 3;
    } else {
        ++pos;
        return false;
    }
    ++pos;
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size()) return false;
        auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    return true;
}

std::optional<unsigned char> encodeOne(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (size_t i = 0; i < bytes.size(); ++i) {
        // Plain ASCII is most of every file: copy it a run at a time.
        size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
        out.append(bytes.data() + i, run - i);
        if (run == bytes.size()) break;
        i = run;
        const auto b = static_cast<unsigned char>(bytes[i]);
        appendUtf8(out, b < 0xA0 ? kHigh[b - 0x80] : char32_t{b});
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        size_t start;
        if (!nextCodePoint(utf8, pos, cp, start)) return std::nullopt;
        auto b = encodeOne(cp);
        if (!b) return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::optional<std::string> firstUnencodable(std::string_view utf8) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        size_t start;
        if (!nextCodePoint(utf8, pos, cp, start)) return std::string(utf8.substr(start, pos - start));
        if (!encodeOne(cp)) return std::string(utf8.substr(start, pos - start));
    }
    return std::nullopt;
}

size_t utf8Length(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string utf8Left(std::string_view utf8, size_t n) {
    size_t count = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == n) return std::string(utf8.substr(0, i));
            ++count;
        }
    }
    return std::string(utf8);
}

} // namespace platform
