// Files that are not designs, files cut short and values the form would not
// make, through the core and through every sdftool verb.
#include "tests/core/TestSupport.h"

#include "combat/BattleScenario.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "designfile/DesignRecord.h"
#include "shipdata/Ship.h"

#include <gtest/gtest.h>

#include <optional>

using testsupport::programDir;
using testsupport::runTool;

namespace {

struct BadFile {
    const char* name;
    std::string bytes;
    const char* reason;
};

const BadFile kBadFiles[] = {
    {"Garbage.sdf", "Twas brillig, and the slithy toves\r\nDid gyre and gimble=in the wabe\r\n", "no [Data] section"},
    {"Empty.sdf", "", "the file is empty"},
    {"Noise.sdf", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR[Data]", 22), "it is not text"},
    {"Unit.sdf", "Orders\x1f\r\n", "it is not text"},
    {"Keyless.sdf", "[Data]\r\nColour=grey\r\n[Guns]\r\nMain=12\r\n",
     "its [Data] section holds none of the keys of a design"},
};

// Fire control -1 is how the form writes none chosen: not illegal.
const char* kIllegal = "[Data]\r\nDisplacement=20000\r\nSpeed=21\r\nShipType=BB\r\nNation=0\r\nFreeboard=0\r\n"
                       "Fire control=-1\r\n[Armor]\r\nB=2147483647\r\nD=-2147483647\r\n[Guns]\r\nMain=12\r\n"
                       "Tertiary=3\r\nMQ=lots\r\n[Turret0]\r\nGuns=99999\r\nPos=A\r\n[Turret1]\r\nGuns=-1\r\nPos=Y\r\n"
                       "[Turret25]\r\nGuns=5\r\nPos=X\r\n";

} // namespace

TEST(DesignFileEdges, FilesThatAreNotDesignsAreNamedSoByTheCoreAndEveryVerb) {
    testsupport::TempDir dir;
    const std::string good = dir.copy(programDir() + "Designs/Dreadnought.sdf", "Dreadnought.sdf");
    for (const BadFile& bad : kBadFiles) {
        const std::string file = dir.write(bad.name, bad.bytes);
        const std::string message = std::string(bad.name) + " is not a ship design file: " + bad.reason;
        const DesignRecord record = ReadDesignRecord(file);
        EXPECT_FALSE(record.Readable) << bad.name;
        EXPECT_EQ(record.NotDesign, message);
        EXPECT_EQ(DesignRefusal(record), message);
        const std::string data = programDir();
        const std::vector<std::vector<std::string>> verbs = {
            {"check", file},
            {"report", file},
            {"ship", file},
            {"sheet", file},
            {"render", file, "--out", dir.path() + "plan.png"},
        };
        for (std::vector<std::string> args : verbs) {
            args.insert(args.begin() + 1, {"--data", data});
            const auto r = runTool(args, dir);
            if (r.err.find("this build has no Qt") != std::string::npos) continue; // the sanitizer tree
            EXPECT_EQ(r.status, 1) << args[0] << " " << bad.name;
            EXPECT_NE((r.out + r.err).find(message), std::string::npos) << args[0] << ": " << r.out << r.err;
        }
    }
}

// A file cut short after any one key the form writes into [Data] is still
// a design.
TEST(DesignFileEdges, AnyKeyOfTheFormsDataSectionMakesADesign) {
    testsupport::TempDir dir;
    TDesignShip ship(testsupport::bundledData());
    const std::vector<std::string> lines = DesignFileLines(DesignInputs{}, ship, nullptr);
    ASSERT_EQ(lines.at(0), "[Data]");
    for (size_t i = 1; i < lines.size() && lines[i][0] != '['; ++i)
        EXPECT_TRUE(ReadDesignRecord(dir.write("One.sdf", "[Data]\r\n" + lines[i] + "\r\n")).Readable) << lines[i];
}

TEST(DesignFileEdges, IllegalValuesAndSectionsCutShortAreListed) {
    testsupport::TempDir dir;
    const std::string file = dir.write("Monster.sdf", kIllegal);
    const DesignRecord record = ReadDesignRecord(file);
    std::vector<std::string> texts;
    for (const IllegalValue& v : IllegalValues(record)) texts.push_back(v.Text());
    // Turret1's -1 makes no turret, as the readers say: not illegal.
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "[Armor] B=2147483647 is outside 0 to 32", "[Armor] D=-2147483647 is outside 0 to 32",
                         "[Guns] MQ=lots is outside -5 to 5", "[Turret0] Guns=99999 is outside 0 to 4",
                         "[Turret25] Guns=5 is outside 0 to 4"}));
    ASSERT_TRUE(DesignRefusal(record));
    EXPECT_EQ(DesignRefusal(record)->rfind("Monster holds values outside what the form accepts: [Armor] B=", 0), 0u);

    auto r = runTool({"check", "--data", programDir(), file}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("illegal values"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("    illegal: [Turret0] Guns=99999 is outside 0 to 4"), std::string::npos) << r.out;

    // A file cut short in a mount's section still loads; the check names the section.
    const std::string cutFile =
        dir.write("Cut.sdf", "[Data]\r\nDisplacement=800\r\nSpeed=33\r\nShipType=DD\r\nNation=2\r\n"
                             "[TorpedoMount0]\r\nTubes=2\r\nPos=F\r\n[TorpedoMount1]\r\nTubes=2\r\n");
    std::vector<std::string> problems;
    for (const DesignProblem& p : CheckDesignRecord(ReadDesignRecord(cutFile))) problems.push_back(p.text);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind("[TorpedoMount1] is incomplete (no Pos)", 0), 0u) << problems[0];
    r = runTool({"report", "--data", programDir(), cutFile}, dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(R"("TorpedoMounts":[{"Position":"F","Tubes":2)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"({"Position":"Z","Tubes":2)"), std::string::npos) << r.out;
    r = runTool({"check", "--data", programDir(), cutFile}, dir);
    EXPECT_NE(r.out.find("    incomplete: [TorpedoMount1] is incomplete"), std::string::npos) << r.out;
}

// One gate before a design fights: every path that computes with a design
// refuses a file that is gone, is not a design or holds values outside the
// form's, each with the one reason DesignRefusal gives, and computes with a
// good one.
TEST(DesignFileEdges, EveryPathThatFightsRefusesAtOneGate) {
    testsupport::TempDir dir;
    const std::string good = dir.copy(programDir() + "Designs/Dreadnought.sdf", "Dreadnought.sdf");
    const std::string files[] = {dir.write(kBadFiles[0].name, kBadFiles[0].bytes),
                                 dir.write(kBadFiles[1].name, kBadFiles[1].bytes), dir.write("Monster.sdf", kIllegal),
                                 dir.path() + "Gone.sdf", good};
    // Each verb that computes with a design, FILE standing for the file tried
    // (SCENARIO: a scenario naming it); the engage lines are its three modes.
    const std::vector<std::vector<std::string>> verbs = {
        {"engage", good, "FILE", "--range", "9000", "--bearing", "90"},
        {"engage", "FILE", good, "--range", "9000", "--bearing", "90", "--both", "--ready"},
        {"engage", good, "FILE", "--sweep", "1000:3000:1000", "--bearing", "90"},
        {"battle", "SCENARIO"},
        {"protection", "FILE"},
        {"compare", good, "FILE"},
        {"explore", "FILE", "--vary", "speed=20:21", "--objective", "speed"},
        {"explore", good, "--vary", "speed=20:21", "--objective", "hits:FILE@9000"}};
    for (const std::string& file : files) {
        const std::optional<std::string> refusal = DesignRefusal(ReadDesignRecord(file));
        EXPECT_EQ(refusal.has_value(), file != good);
        const std::string scenario = R"({"sides": [{"ships": [{"design": ")" + file +
                                     R"("}]}, {"range": 9000, "bearing": 90, "ships": [{"design": ")" + good +
                                     R"("}]}]})";
        for (std::vector<std::string> args : verbs) {
            for (std::string& a : args)
                if (a == "SCENARIO") a = dir.write("battle.json", scenario);
                else if (const auto at = a.find("FILE"); at != std::string::npos) a.replace(at, 4, file);
            args.insert(args.begin() + 1, {"--data", programDir()});
            const auto r = runTool(args, dir);
            EXPECT_EQ(r.status, refusal ? 1 : 0) << args[0] << " " << file << ": " << r.err;
            if (refusal) { EXPECT_NE((r.out + r.err).find(*refusal), std::string::npos) << args[0] << ": " << r.err; }
        }
        // What the planner's Divisions tab does with a scenario it opens.
        std::string why;
        const auto s = ParseBattleScenario(scenario, "", why);
        ASSERT_TRUE(s) << why;
        BattleShips ships;
        EXPECT_EQ(ships.Load(testsupport::bundledData(), s->Setup, &why), !refusal);
        if (refusal) { EXPECT_NE(why.find(*refusal), std::string::npos) << why; }
    }
}
