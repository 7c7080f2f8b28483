// The planner's conditions: place, clock, year of play, weather, sea and
// sighting ranges, shown from and read into one BattleConditions, and the
// scenario files of the Divisions tab that carry them.
#include "planner/frmPlanner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "combat/EnvironmentNames.h"
#include "planner/DivisionPanel.h"
#include "platform/DayNumber.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Paths.h"

namespace {

QDateTime dateTimeOf(double dayNumber) {
    const double days = std::floor(dayNumber);
    const platform::CivilDate d = platform::dateFromDayNumber(static_cast<std::int64_t>(days));
    const int minutes = static_cast<int>(std::lround((dayNumber - days) * 1440)) % 1440;
    return QDateTime(QDate(d.year, d.month, d.day), QTime(minutes / 60, minutes % 60), Qt::UTC);
}

double dayNumberOf(const QDateTime& dateTime) {
    const QDateTime when = dateTime.toUTC();
    const QDate d = when.date();
    const QTime t = when.time();
    return platform::dayNumberFromDate({d.year(), d.month(), d.day()}) +
           (t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
}

// Where scenarios are saved: "Scenarios" beside the bundled ones when the
// program's folder can be written, else in the user's data folder.
std::string scenarioFolder(const std::string& programDir) {
    std::string folder = platform::resolvePath(platform::customFilesRoot(programDir) + "Scenarios");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

} // namespace

void TfrmPlanner::ShowConditions(const BattleConditions& c) {
    const QSignalBlocker b1(W.seLatitude), b2(W.seLongitude), b3(W.dtBattle), b4(W.cbWeather), b5(W.cbSeaState),
        b6(W.seDayRange), b7(W.seDuskRange), b8(W.seNightRange), b9(W.seYear);
    W.seLatitude->setValue(c.Latitude);
    W.seLongitude->setValue(c.Longitude);
    if (c.DateTime) W.dtBattle->setDateTime(dateTimeOf(*c.DateTime));
    W.cbWeather->setCurrentIndex(std::clamp(c.Weather, 0, W.cbWeather->count() - 1));
    W.cbSeaState->setCurrentIndex(std::clamp(c.SeaState, 0, W.cbSeaState->count() - 1));
    W.seDayRange->setValue(c.DayRange);
    W.seDuskRange->setValue(c.DuskRange);
    W.seNightRange->setValue(c.NightRange);
    // The year follows the date until one is set.
    yearSet_ = c.Year.has_value();
    W.seYear->setValue(c.YearOfPlay());
}

BattleConditions TfrmPlanner::ShownConditions() const {
    BattleConditions c;
    c.Latitude = W.seLatitude->value();
    c.Longitude = W.seLongitude->value();
    c.DateTime = dayNumberOf(W.dtBattle->dateTime());
    if (yearSet_) c.Year = W.seYear->value();
    c.SeaState = std::max(0, W.cbSeaState->currentIndex());
    c.Weather = std::max(0, W.cbWeather->currentIndex());
    c.DayRange = W.seDayRange->value();
    c.DuskRange = W.seDuskRange->value();
    c.NightRange = W.seNightRange->value();
    return c;
}

void TfrmPlanner::WeatherChanged() {
    const SightingRanges r = DefaultSightingRanges(W.cbWeather->currentIndex());
    {
        const QSignalBlocker b1(W.seDayRange), b2(W.seDuskRange), b3(W.seNightRange);
        W.seDayRange->setValue(r.Day);
        W.seDuskRange->setValue(r.Dusk);
        W.seNightRange->setValue(r.Night);
    }
    Recompute();
}

void TfrmPlanner::DateChanged() {
    if (!yearSet_) {
        const QSignalBlocker block(W.seYear);
        W.seYear->setValue(W.dtBattle->dateTime().toUTC().date().year());
    }
    Recompute();
}

void TfrmPlanner::YearChanged() {
    // Set back to the date's own year, the field follows the date again.
    yearSet_ = W.seYear->value() != W.dtBattle->dateTime().toUTC().date().year();
    Recompute();
}

BattleEnvironment TfrmPlanner::Environment() const { return BuildBattleEnvironment(ShownConditions()); }

BattleScenario TfrmPlanner::Conditions() const {
    BattleScenario s;
    s.Conditions = ShownConditions();
    s.Setup.Place = s.Conditions.Place();
    s.Setup.Ready = W.cbReady->isChecked();
    return s;
}

void TfrmPlanner::OpenScenario() {
    platform::OpenFileRequest request;
    request.title = "Open scenario";
    request.filter = "Battle scenarios (json)|*.json";
    request.defaultExtension = "json";
    request.startDirectory = platform::resolvePath(programDir_ + "Scenarios");
    if (const auto path = platform::fileDialogs().openFile(request)) OpenScenarioFile(*path);
}

bool TfrmPlanner::OpenScenarioFile(const std::string& path) {
    std::string error;
    const auto s = ReadBattleScenario(path, error);
    if (!s) {
        platform::messages().notice(error);
        return false;
    }
    // The scenario's conditions become the planner's, recomputed once.
    ShowConditions(s->Conditions);
    divisions_->LoadScenario(*s);
    W.tcResults->setCurrentWidget(divisions_);
    Recompute();
    return true;
}

void TfrmPlanner::SaveScenario() {
    platform::SaveFileRequest request;
    request.title = "Save scenario";
    request.filters = {"Battle scenarios (json)|*.json"};
    request.startDirectory = scenarioFolder(programDir_);
    request.suggestedName = "Scenario.json";
    const auto choice = platform::fileDialogs().saveFile(request);
    if (!choice) return;
    std::string path = choice->path;
    if (path.size() < 5 || path.substr(path.size() - 5) != ".json") path += ".json";
    // A scenario saved among the program's folders names their designs
    // relative to itself, so the folder can be shared whole.
    divisions_->SaveScenario(path, {programDir_, platform::userDataDir()});
}
