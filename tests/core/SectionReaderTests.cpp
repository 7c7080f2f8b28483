// The section reader's rules and the shortcuts' known pitfalls; agreement
// with a plain scan on arbitrary files is the section_reader fuzzer's job.
#include "formats/SectionReader.h"

#include <gtest/gtest.h>

namespace {

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
    EXPECT_EQ(ReadSectionInteger(l, "1916", "Nation3Accuracy", 0), 0);      // never from another block
    EXPECT_EQ(ReadSectionString(l, "1916", "Nation1Name", "dflt"), "dflt"); // empty value
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
    EXPECT_FALSE(ReadSectionBool(l, "1916", "Nation8SmokeFloats", false)); // " 1" is not "1"
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
    EXPECT_EQ(r.ReadString("S", "A", ""), "1"); // not the A=3 right after B
    EXPECT_EQ(r.ReadString("S", "B", ""), "2");
    TSectionReader h({"[S]", "B=2", "[A=4"});
    EXPECT_EQ(h.ReadString("S", "B", ""), "2");
    EXPECT_EQ(h.ReadString("S", "[A", "none"), "none"); // a line starting "[" ends the block
}
