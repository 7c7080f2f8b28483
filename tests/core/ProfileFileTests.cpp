#include "TestSupport.h"
#include "formats/ProfileFile.h"
#include "formats/ProfileText.h"

#include <gtest/gtest.h>

TEST(ProfileFile, CaseBlanksAndDefaults) {
    testsupport::TempDir dir;
    std::string path = dir.write("p.ini", "[data]\r\n"
                                          "  speed = 21 \r\n"
                                          "Letters=abc\r\n"
                                          "Flag=2\r\n"
                                          "Yes=yes\r\n"
                                          "Empty=\r\n"
                                          "Name=  Malm\xF6  \r\n"
                                          "[Other]\nSpeed=5\n");
    ProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("DATA", "speed", 18), 21);
    EXPECT_EQ(f.ReadInteger("Data", "Letters", 7), 7);
    EXPECT_TRUE(f.ReadBool("Data", "Flag", false));
    EXPECT_FALSE(f.ReadBool("Data", "Yes", false));
    EXPECT_TRUE(f.ReadBool("Data", "Yes", true));
    EXPECT_EQ(f.ReadInteger("Data", "Empty", 9), 9);
    EXPECT_EQ(f.ReadString("Data", "Empty", "d"), "");
    EXPECT_EQ(f.ReadString("Data", "Name", ""), "Malm\xC3\xB6");
    EXPECT_EQ(f.ReadInteger("Other", "Speed", 0), 5);
    EXPECT_EQ(f.ReadString("Nope", "Speed", "def"), "def");
    f.Close();

    ProfileFile missing(dir.path() + "none.ini");
    EXPECT_EQ(missing.ReadInteger("Data", "Speed", 18), 18);
    EXPECT_EQ(missing.ReadString("Data", "X", "abc"), "abc");
}

TEST(ProfileText, LongValuesAreCut) {
    const ProfileText f("[S]\nK=" + std::string(100000, 'x') + "\nN=" + std::string(3000, '7') + "\n");
    EXPECT_EQ(f.ReadString("S", "K", "").size(), 2047u);
    EXPECT_EQ(f.ReadInteger("S", "N", 5), 5); // cut, and still too long a number
}

// Many names, each written twice in other letter case: the index grows and
// still finds the first of every pair.
TEST(ProfileText, ManyKeysFirstOccurrenceWins) {
    std::string text;
    for (int pass = 0; pass < 2; ++pass)
        for (int s = 0; s < 8; ++s) {
            text += pass ? "[SECTION" + std::to_string(s) + "]\n" : "[Section" + std::to_string(s) + "]\n";
            for (int k = 0; k < 100; ++k)
                text +=
                    (pass ? "KEY" : "key") + std::to_string(k) + "=" + std::to_string(pass * 1000 + s * 100 + k) + "\n";
        }
    const ProfileText f(text);
    for (int s = 0; s < 8; ++s)
        for (int k = 0; k < 100; ++k)
            ASSERT_EQ(f.ReadInteger("section" + std::to_string(s), "Key" + std::to_string(k), -1), s * 100 + k);
    EXPECT_EQ(f.ReadInteger("Section8", "key0", -1), -1);
    EXPECT_EQ(f.ReadInteger("Section0", "key100", -1), -1);
}

TEST(ProfileText, SectionsAnywhereAndOddLines) {
    const ProfileText f("Orphan=1\r\n"
                        "[A]\r\nOne=1\r\n"
                        "; One=9\r\n"
                        "no equals sign\r\n"
                        "[B]\r\nTwo=2\r\n"
                        "[a]\r\nThree=3\r\nOne=8\r\n"
                        "\tTabbed\t=\t0X10\t\r\n"
                        "Short=0x\r\n"
                        "Neg=-0x10\r\n"
                        "Cr=1\r\r\n");
    EXPECT_EQ(f.ReadInteger("A", "One", 0), 1);   // the first occurrence wins
    EXPECT_EQ(f.ReadInteger("A", "Three", 0), 3); // a section may stand twice
    EXPECT_EQ(f.ReadInteger("A", "Tabbed", 0), 16);
    EXPECT_EQ(f.ReadInteger("A", "Short", 7), 7); // "0x" alone is no number
    EXPECT_EQ(f.ReadInteger("A", "Neg", 0), -16);
    EXPECT_EQ(f.ReadInteger("", "Orphan", 5), 5); // lines before any section belong to none
    EXPECT_EQ(f.ReadString("B", "no equals sign", "d"), "d");
    EXPECT_TRUE(f.ReadBool("B", "Two", false));
    EXPECT_EQ(f.ReadString(" a\t", " Cr ", ""), "1\r"); // only the line end's CR goes; names are trimmed
}
