#include "formats/SectionReader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The lookup without any shortcut, written from the rules alone.
std::string plainScan(const std::vector<std::string>& lines, const std::string& section, const std::string& key,
                      const std::string& def) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    size_t start = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lower(lines[i]) == lower("[" + section + "]")) {
            start = i + 1;
            break;
        }
    }
    for (size_t i = start; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '[') return def;
        if (lines[i].rfind(key + "=", 0) == 0) {
            std::string v = lines[i].substr(lines[i].find('=') + 1);
            return v.empty() ? def : v;
        }
    }
    return def;
}

const TSectionLines kNations = {
    "Nation0Name=Before any header",
    "[1915]",
    "Nation3Accuracy=2",
    "Nation1Name=Germany",
    "[1916]",
    "Nation1Name=",
    "Nation1Name2=a=b",
    "Nation1Accuracy=3",
    "Nation4SmokeFloats=yes",
    "Nation4Accuracy= 5",
    "Nation5Accuracy=5 ",
    "Nation6Accuracy=$A",
    "Nation7SmokeFloats=1",
    "Nation8SmokeFloats= 1",
    "Nation9Accuracy=0x10",
    " Nation2Name=indented keys do not count",
    "[1917]",
};

} // namespace

TEST(SectionReader, KeysMatchWholeAndStayInTheirBlock) {
    const auto& l = kNations;
    EXPECT_EQ(ReadSectionInteger(l, "1915", "Nation3Accuracy", 0), 2);
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation3Accuracy", 0), 0);   // never from another block
    EXPECT_EQ(ReadSectionString(l, "1916", "Nation1Name", "dflt"), "dflt");  // empty value
    EXPECT_EQ(ReadSectionString(l, "1916", "Nation1Name2", ""), "a=b");
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation10Accuracy", -1), -1);
    EXPECT_EQ(ReadSectionString(l, "1916", "Nation2Name", "none"), "none");
    EXPECT_EQ(ReadSectionString(l, "1917", "Nation1Name", "none"), "none");
    // No header at all: the lines before the first header answer.
    EXPECT_EQ(ReadSectionString(l, "1920", "Nation0Name", ""), "Before any header");
    EXPECT_EQ(ReadSectionString(l, "1920", "Nation3Accuracy", "x"), "x");
}

TEST(SectionReader, IntegerAndFlagConversions) {
    const auto& l = kNations;
    EXPECT_FALSE(ReadSectionBool(l, "1916", "Nation4SmokeFloats", false));
    EXPECT_TRUE(ReadSectionBool(l, "1916", "Nation4SmokeFloats", true));
    EXPECT_TRUE(ReadSectionBool(l, "1916", "Nation7SmokeFloats", false));
    EXPECT_FALSE(ReadSectionBool(l, "1916", "Nation8SmokeFloats", false));  // " 1" is not "1"
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation4Accuracy", 0), 5);
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation5Accuracy", 0), 0);
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation6Accuracy", 0), 10);
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation9Accuracy", 0), 16);
}

TEST(SectionReader, HeadersIgnoreLetterCaseAndTheFirstOneCounts) {
    const TSectionLines l = {"[basicdata]", "GunRangeFactor=12", "[BasicData]", "GunRangeFactor=8"};
    EXPECT_EQ(ReadSectionInteger(l, "BasicData", "GunRangeFactor", 10), 12);
    EXPECT_EQ(ReadSectionInteger(l, "BASICDATA", "GunRangeFactor", 10), 12);
}

TEST(SectionReader, ShortcutsNeverAnswerForAChangedOrOtherList) {
    TSectionLines l = {"[1914]", "A=1", "B=2", "C=3"};
    EXPECT_EQ(ReadSectionString(l, "1914", "A", ""), "1");
    EXPECT_EQ(ReadSectionString(l, "1914", "B", ""), "2");
    // The same vector changed in place: the next line is no longer C.
    l.Set(3, "D=4");
    EXPECT_EQ(ReadSectionString(l, "1914", "C", "none"), "none");
    // Reloaded with a block moved: the remembered header index is stale.
    l = {"X=0", "[1914]", "A=9", "B=8", "C=7"};
    EXPECT_EQ(ReadSectionString(l, "1914", "B", ""), "8");
    EXPECT_EQ(ReadSectionString(l, "1914", "C", ""), "7");
    // Another list with the same shape.
    const TSectionLines other = {"X=0", "[1914]", "A=9", "B=8", "C=6"};
    EXPECT_EQ(ReadSectionString(l, "1914", "B", ""), "8");
    EXPECT_EQ(ReadSectionString(other, "1914", "C", ""), "6");
}

TEST(SectionReader, NextLineShortcutYieldsToAnEarlierDuplicateOrAHeader) {
    TSectionReader r({"[S]", "A=1", "B=2", "A=3", "[A=4"});
    EXPECT_EQ(r.ReadString("S", "B", ""), "2");
    EXPECT_EQ(r.ReadString("S", "A", ""), "1");   // not the A=3 right after B
    EXPECT_EQ(r.ReadString("S", "B", ""), "2");
    TSectionReader h({"[S]", "B=2", "[A=4"});
    EXPECT_EQ(h.ReadString("S", "B", ""), "2");
    EXPECT_EQ(h.ReadString("S", "[A", "none"), "none");  // a line starting "[" ends the block
}

// Random files and key sequences: the reader with its shortcuts must give
// what the plain scan gives, through both the object and the free functions.
TEST(SectionReader, ShortcutsAgreeWithThePlainScanOnRandomFiles) {
    std::mt19937 rng(20240611);
    const std::vector<std::string> sections = {"1914", "1915", "a", "A", "x"};
    const std::vector<std::string> keys = {"K", "K1", "K10", "k", "L", "", "K=1", "[K"};
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    auto randomLine = [&]() -> std::string {
        switch (rng() % 7) {
        case 0: return "[" + pick(sections) + "]";
        case 1: return "";
        case 2: return "noise" + std::to_string(rng() % 3);
        default: {
            std::string value = (rng() % 4 == 0) ? "" : std::to_string(rng() % 5);
            if (rng() % 5 == 0) value += "=" + std::to_string(rng() % 3);
            return pick(keys) + "=" + value;
        }
        }
    };
    int checked = 0;
    for (int file = 0; file < 400; ++file) {
        std::vector<std::string> lines(rng() % 25);
        for (auto& line : lines) line = randomLine();
        TSectionReader reader(lines);
        TSectionLines listed(lines);
        for (int q = 0; q < 60; ++q) {
            if (rng() % 15 == 0 && !lines.empty()) {
                std::string line = randomLine();
                const size_t at = rng() % lines.size();
                lines[at] = line;
                reader = TSectionReader(lines);
                listed.Set(at, line);  // the free functions must notice
            }
            std::string section = pick(sections), key = pick(keys);
            // Half the queries walk the file in order, as the loaders do,
            // so the next-line shortcut is taken often.
            const size_t j = static_cast<size_t>(q);
            if (rng() % 2 == 0 && j < lines.size() && lines[j].find('=') != std::string::npos) {
                key = lines[j].substr(0, lines[j].find('='));
                for (size_t h = j; h-- > 0;)
                    if (!lines[h].empty() && lines[h][0] == '[') {
                        section = lines[h].substr(1, lines[h].size() - 2);
                        break;
                    }
            }
            const std::string expected = plainScan(lines, section, key, "DEF");
            ASSERT_EQ(reader.ReadString(section, key, "DEF"), expected) << "file " << file << " query " << q;
            ASSERT_EQ(ReadSectionString(listed, section, key, "DEF"), expected) << "file " << file << " query " << q;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 400 * 60);
}

