#include "designfile/DesignCheck.h"

#include "TestSupport.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Checked {
    std::vector<DesignProblem> problems;
    std::vector<std::string> raised; // what the rules said while recomputing
};

Checked check(const std::function<void(DesignInputs&)>& change, const std::string& turrets = "", int mounts = 0) {
    DesignInputs in;
    in.Nation = 0, in.Type = 0, in.Name = "Test"; // what Save asks for
    change(in);
    TDesignShip ship(testsupport::bundledData());
    ship.ClearSpecials();
    for (char letter : turrets) {
        auto t = std::make_unique<TTurret>();
        t->Guns = 2, t->Position = letter;
        ship.Turrets.push_back(std::move(t));
    }
    for (int i = 0; i < mounts; ++i) {
        auto m = std::make_unique<TTorpedomount>();
        m->Tubes = 1, m->Position = 'A';
        ship.TorpedoMounts.push_back(std::move(m));
    }
    std::vector<std::string> said;
    for (const platform::Problem& p : ApplyInputs(in, ship)) said.push_back(p.Text);
    return {CheckDesign(in, ship), said};
}

} // namespace

// Each rule condition gives one problem of its kind, whose words say what
// would fix it, and a rule problem comes exactly when the rules raise their
// message (so sdftool's status cannot drift from the form's list).
TEST(DesignCheck, EachConditionNamesItsCauseAndItsRemedy) {
    struct Case {
        const char* name;
        std::function<void(DesignInputs&)> change;
        std::string turrets;
        int mounts;
        ProblemKind kind;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"overweight",
         [](DesignInputs& in) { in.Displacement = 1000, in.B = 32, in.D = 32; },
         "",
         0,
         ProblemKind::Overweight,
         {"Overweight by ", "Largest weights: armour ", "raise the displacement"}},
        {"slow",
         [](DesignInputs& in) { in.Speed = 9; },
         "",
         0,
         ProblemKind::RuleMessage,
         {"Speed 9 kn is outside 16 to 35 kn", "Choose 16 to 35 kn"}},
        {"huge",
         [](DesignInputs& in) { in.Displacement = 60000; },
         "",
         0,
         ProblemKind::RuleMessage,
         {"Displacement 60,000 t is above 52,000 t", "Choose 50 t to 52,000 t"}},
        {"low and fast",
         [](DesignInputs& in) { in.Speed = 24, in.Freeboard = 1; },
         "",
         0,
         ProblemKind::RuleMessage,
         {"need normal freeboard: at 24 kn", "Freeboard to Normal"}},
        {"cross deck",
         [](DesignInputs& in) { in.CrossDeck = true; },
         "DE",
         0,
         ProblemKind::RuleMessage,
         {"both D and E", "clear Cross deck fire"}},
        {"big secondaries",
         [](DesignInputs& in) { in.SecCal = 20; },
         "",
         0,
         ProblemKind::Advice,
         {"Secondary calibre 20 in is outside 2 to 18 in", "take 18 in"}},
        {"many mounts",
         [](DesignInputs&) {},
         "",
         15,
         ProblemKind::Advice,
         {"15 torpedo mounts", "first 13", "drops the last 2"}},
    };
    for (const Case& c : cases) {
        const Checked got = check(c.change, c.turrets, c.mounts);
        ASSERT_FALSE(got.problems.empty()) << c.name;
        const DesignProblem& p = got.problems.back();
        EXPECT_EQ(p.kind, c.kind) << c.name;
        for (const std::string& w : c.words) EXPECT_NE(p.text.find(w), std::string::npos) << c.name << ": " << p.text;
        EXPECT_EQ(c.kind == ProblemKind::RuleMessage, !got.raised.empty()) << c.name;
    }
    EXPECT_TRUE(check([](DesignInputs&) {}).problems.empty());
}

// What Save refuses is a problem of the check in Save's own words (the form
// shows the first), so "ok" is said only of a design Save would take.
TEST(DesignCheck, SaveRefusalsInSavesOwnWords) {
    const std::pair<std::function<void(DesignInputs&)>, std::vector<std::string>> cases[] = {
        {[](DesignInputs& in) { in.Nation = -1; }, {"Ship must belong to a nation!"}},
        {[](DesignInputs& in) { in.Type = -1; }, {"Ship must have a type!"}},
        {[](DesignInputs& in) { in.Name = " \t"; }, {"Class must have a name!"}},
        {[](DesignInputs& in) { in.Name = "A:B"; }, {"Class name may not contain \":\""}},
        {[](DesignInputs& in) { in = {}; },
         {"Ship must belong to a nation!", "Ship must have a type!", "Class must have a name!"}}};
    for (const auto& [change, texts] : cases) {
        std::vector<std::string> got;
        for (const DesignProblem& p : check(change).problems)
            if (p.kind == ProblemKind::SaveRefusal) got.push_back(p.text);
        EXPECT_EQ(got, texts);
    }
}

TEST(DesignCheck, StatusWordsOfSdftool) {
    const DesignProblem heavy{ProblemKind::Overweight, "x"}, rule{ProblemKind::RuleMessage, "y"},
        advice{ProblemKind::Advice, "z"}, save{ProblemKind::SaveRefusal, "Ship must have a type!"};
    EXPECT_EQ(StatusOf({}, false).Text(), "ok");
    EXPECT_EQ(StatusOf({advice}, false).Text(), "ok"); // advice alone changes no status
    EXPECT_EQ(StatusOf({heavy}, false).Text(), "OVERWEIGHT");
    EXPECT_EQ(StatusOf({rule}, false).Text(), "warnings");
    EXPECT_EQ(StatusOf({}, true).Text(), "warnings");
    EXPECT_EQ(StatusOf({heavy, rule}, false).Text(), "OVERWEIGHT, warnings");
    EXPECT_EQ(StatusOf({save, heavy}, false).Text(), "not saveable, OVERWEIGHT");
}
