// The status card's figures: the texts of a loaded design and of a ship in
// each battle state, as the card prints them.
#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "combat/Damage.h"
#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "combat/ShipLayer.h"
#include "combat/StatusFigures.h"
#include "explore/Explore.h"
#include "library/DesignLibrary.h"
#include "map/MapModel.h"
#include "platform/Messages.h"
#include "sheets/DesignSummary.h"

namespace {

struct Card {
    Card() {
        ship = CreateShipOnLayer(testsupport::programDir() + "Designs/Dreadnought.sdf", "Dreadnought", map,
                                 testsupport::bundledData().Preferences, quiet);
    }
    ShipStatusFigures figures(const StatusOptions& o = {}) {
        return BuildStatusFigures({testsupport::bundledData(), env, random, quiet}, *ship, o);
    }
    TMap map;
    platform::RecordingMessages quiet;
    platform::SeededRandom random{platform::kDefaultSeed};
    BattleEnvironment env;
    std::unique_ptr<TFightingShip> ship;
};

} // namespace

TEST(StatusFigures, DreadnoughtAsTheCardShowsHer) {
    Card card;
    ASSERT_TRUE(card.ship);
    const ShipStatusFigures f = card.figures({.Date = card.ship->ObsoleteDate + 1});
    const std::pair<std::string, std::string> texts[] = {{f.Title, "BB Dreadnought"},
                                                         {f.Heading, "OLD BRITISH Battleship"},
                                                         {f.ShipName, "DREADNOUGHT"},
                                                         {f.ClassName, "DREADNOUGHT CLASS"},
                                                         {f.Displacement, "Displacement, 18100 tons"},
                                                         {f.MainGuns, "10 - 12 inch."},
                                                         {f.SecondaryGuns, ""},
                                                         {f.TertiaryGuns, "24 - 3 inch."},
                                                         {f.TorpedoTubes, "5"},
                                                         {f.TorpedoPlacement, "submerged"},
                                                         {f.TorpedoPanelTitle, "Torpedo tubes (18 inch)"},
                                                         {f.Belt, "11\" Belt (amidships)"},
                                                         {f.ConningTower, "11\" C.T."},
                                                         {f.Deck, "2\" Deck"},
                                                         {f.MainCalibre, "12 in"},
                                                         {f.MainHitPercentage, "0.00"},
                                                         {f.Endurance, "0/0"},
                                                         {f.Speed, "5/21"},
                                                         {f.Tertiary.Calibre, "3 in"},
                                                         {f.Tertiary.Port, "12 (12)"},
                                                         {f.Secondary.Calibre, ""},
                                                         {f.Mines, ""}};
    for (const auto& [got, want] : texts) EXPECT_EQ(got, want);
    EXPECT_EQ(f.Turrets, (std::vector<std::string>{"Forward 2", "Port forward wing 2", "Starboard forward wing 2",
                                                   "Midships aft 2", "Aft 2"}));
    // The card's point value is four times the rules' one, in one place.
    EXPECT_EQ(f.PointValue, PointValue(*card.ship, 0) * 4);
    EXPECT_EQ(f.PointValueText, std::to_string(f.PointValue));
    EXPECT_FALSE(f.MainTarget.Present);
    EXPECT_EQ(f.HullFull, card.ship->OriginalHitPoints);
}

TEST(StatusFigures, BattleStatesAndTheSidesName) {
    Card card;
    ASSERT_TRUE(card.ship);
    TFightingShip& s = *card.ship;
    struct Case {
        std::function<void()> set;
        std::string ShipStatusFigures::*text;
        std::string want;
    };
    const Case cases[] = {
        {[&] { s.Fires = 3; }, &ShipStatusFigures::Sinking, "On fire! (2)"},
        {[&] { s.SinkingCount = 1; }, &ShipStatusFigures::Sinking, "Sinking!"},
        {[&] { s.Sunk = true; }, &ShipStatusFigures::Sinking, "Sunk!"},
        {[&] { card.env.SeaState = 9; }, &ShipStatusFigures::LimitedByWeather, "Speed limited to 18 knots by weather!"},
        {[&] { s.SteamMinutesLeft = 20; }, &ShipStatusFigures::LimitedByWeather, "Raising steam! 20 minutes left"},
        {[&] { s.HitPoints = -5; }, &ShipStatusFigures::HullToolTip, "Structure: -5 of 15252 hit points left"},
    };
    for (const Case& c : cases) {
        c.set();
        EXPECT_EQ(card.figures().*c.text, c.want);
    }
    EXPECT_EQ(card.figures().HullLost, card.figures().HullFull); // beyond the full figure: a full bar
    s.Nation = 10;                                               // "Generic": the side's name stands in
    EXPECT_EQ(card.figures({.SideName = "Blue fleet"}).Heading, "BLUE FLEET Battleship");
    EXPECT_EQ(card.figures({.Tallies = {.RudderState = 2}}).Rudder, "Rudder jammed center");
}

TEST(StatusFigures, UpperCaseOfTheCodePagesLetters) {
    for (auto [in, out] :
         {std::pair{"Blücher", "BLÜCHER"}, {"Straße", "STRASSE"}, {"œuvre ÿ", "ŒUVRE Ÿ"}, {"µ½", "Μ½"}})
        EXPECT_EQ(UpperText(in), out) << in;
}

// A design's point value is one figure wherever it shows: the card (as the
// form opens it, ready for battle), the sheet, sdftool ship, the library and
// the explorer's objective, each the card's at year 0.
TEST(StatusFigures, OnePointValueInTheCardSheetShipLibraryAndExplorer) {
    const ProgramData& data = testsupport::bundledData();
    std::vector<std::string> files = {"ship", "--data", testsupport::programDir()};
    for (const auto& entry : std::filesystem::directory_iterator(testsupport::programDir() + "Designs"))
        if (entry.path().extension() == ".sdf") files.push_back(entry.path().string());
    testsupport::TempDir dir;
    const auto tool = testsupport::runTool(files, dir);
    std::istringstream lines(tool.out);
    std::string line;
    size_t designs = 0;
    while (std::getline(lines, line)) {
        const auto ship = nlohmann::json::parse(line);
        const std::string file = ship["File"];
        const DesignRecord record = ReadDesignRecord(file);
        Card card;
        card.ship = CreateShipOnLayer(record, record.ClassName, card.map, data.Preferences, card.quiet);
        ASSERT_TRUE(card.ship) << file;
        MakeReadyForBattle(*card.ship, DesignRangeClass(record));
        const std::int64_t shown = card.figures().PointValue;
        EXPECT_EQ(ship["PointValue"].get<std::int64_t>(), shown) << file;
        EXPECT_EQ(BuildLibraryRow(file, data).PointValue, shown) << file;
        const DesignSummary sheet = BuildDesignSummary(record, data);
        const auto row = std::find_if(sheet.Figures.begin(), sheet.Figures.end(),
                                      [](const SummaryFigure& f) { return f.Label == "Point value"; });
        ASSERT_NE(row, sheet.Figures.end()) << file;
        EXPECT_EQ(row->Text, GroupedNumber(shown)) << file;
        const auto base = ReadExploreBase(record, data, nullptr);
        ASSERT_TRUE(base) << file;
        ExploreRequest request;
        request.Ranges = {
            {ExploreInput::Speed, static_cast<double>(base->Inputs.Speed), static_cast<double>(base->Inputs.Speed), 1}};
        request.Objectives = {*ParseObjective("point-value", nullptr)};
        const ExploreVariant v = EvaluateVariant(data, *base, request, {base->Inputs.Speed});
        EXPECT_EQ(v.Objectives.at(0), static_cast<double>(shown)) << file;
        ++designs;
    }
    EXPECT_GE(designs, 79u);
}
