// The engagement planner: opened from the design form, driven through its
// controls, its figures held against sdftool engage, and bad input.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/FightShip.h"
#include "combat/HitChance.h"
#include "designer/FormWindows.h"
#include "designfile/DesignCheck.h"
#include "map/qt/MapControl.h"
#include "planner/DivisionPanel.h"
#include "planner/frmPlanner.h"
#include "status/ShipStatus.h"

#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDateTimeEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <random>

using namespace designertest;

namespace {

std::string design(const std::string& name) { return programDir() + "Designs/" + name + ".sdf"; }

// sdftool engage with the planner's scenario, as JSON.
QJsonObject engageLikeThePlanner(const TfrmPlanner& p, const QString& time) {
    const PlannerWidgets& w = p.W;
    auto n = [](int v) { return QString::number(v); };
    QStringList args = {QStringLiteral("engage"),
                        QStringLiteral("--data"),
                        QString::fromStdString(programDir()),
                        QString::fromStdString(design("Dreadnought")),
                        QString::fromStdString(design("Scharnhorst")),
                        QStringLiteral("--both"),
                        QStringLiteral("--ready"),
                        QStringLiteral("--lat"),
                        QStringLiteral("56.5"),
                        QStringLiteral("--lon"),
                        QStringLiteral("5.5"),
                        QStringLiteral("--datetime"),
                        QStringLiteral("1916-05-31T") + time};
    const std::pair<const char*, int> values[] = {{"--range", w.seRange->value()},
                                                  {"--bearing", w.seBearing->value()},
                                                  {"--weather", w.cbWeather->currentIndex()},
                                                  {"--sea-state", w.cbSeaState->currentIndex()},
                                                  {"--day-range", w.seDayRange->value()},
                                                  {"--dusk-range", w.seDuskRange->value()},
                                                  {"--night-range", w.seNightRange->value()},
                                                  {"--firer-heading", w.Ships[0].seHeading->value()},
                                                  {"--target-heading", w.Ships[1].seHeading->value()},
                                                  {"--firer-speed", w.Ships[0].seSpeed->value()},
                                                  {"--target-speed", w.Ships[1].seSpeed->value()},
                                                  {"--firer-sighting", w.Ships[0].cbSightingLevel->currentIndex()},
                                                  {"--target-sighting", w.Ships[1].cbSightingLevel->currentIndex()}};
    for (const auto& [name, value] : values) args << QString::fromLatin1(name) << n(value);
    QProcess tool;
    tool.start(QStringLiteral(SDFTOOL_PATH), args);
    if (!tool.waitForFinished(60000)) return {};
    return QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
}

// The planner's shown figures of one way against the tool's.
void compareWay(const PlannerFireControls& c, const FireFigures& f, const QJsonObject& j) {
    QCOMPARE(f.Fire.HitChance, static_cast<float>(j.value(QStringLiteral("HitChance")).toDouble()));
    QCOMPARE(f.Fire.RateOfFire, static_cast<float>(j.value(QStringLiteral("RateOfFire")).toDouble()));
    const bool beyond = j.value(QStringLiteral("BeyondGunRange")).toBool();
    const bool sighted = j.value(QStringLiteral("Sighted")).toBool();
    QCOMPARE(f.Sighted, sighted);
    QCOMPARE(c.tbBatteries->item(0, 1)->text(), beyond     ? QStringLiteral("Beyond gun range")
                                                : !sighted ? QStringLiteral("Not sighted")
                                                           : QString::fromStdString(FormatChance(f.Fire.HitChance)));
    QCOMPARE(c.tbBatteries->item(0, 2)->text(), QString::fromStdString(FormatChance(f.Fire.RateOfFire)));
    QCOMPARE(f.Fire.GunsBearing, j.value(QStringLiteral("GunsBearing")).toInt());
    QCOMPARE(f.Fire.HitsPerMinute, j.value(QStringLiteral("HitsPerMinute")).toDouble());
    auto word = [&](const char* key) { return j.value(QLatin1String(key)).toBool() ? "pierced" : "safe"; };
    QCOMPARE(c.stPiercing->text(),
             QStringLiteral("Belt: %1    Deck: %2")
                 .arg(QLatin1String(word("BeltPenetrated")), QLatin1String(word("DeckPenetrated"))));
    if (sighted)
        QCOMPARE(c.stIdentification->text(),
                 QStringLiteral("Sees: ") + j.value(QStringLiteral("IdentificationText")).toString());
    else QVERIFY(c.stIdentification->text().startsWith(QStringLiteral("Not sighted")));
    const QJsonArray lines = j.value(QStringLiteral("Breakdown")).toArray();
    for (int i = 0; i < lines.size(); ++i) QCOMPARE(c.lbBreakdown->item(i)->text(), lines[i].toString());
}

// The planner's duel as a scenario of one ship a side, as sdftool battle reads it.
QJsonObject battleLikeThePlanner(const TfrmPlanner& p, const QString& folder) {
    const PlannerWidgets& w = p.W;
    QJsonArray sides;
    for (int i = 0; i < 2; ++i) {
        const PlannerShipControls& c = w.Ships[static_cast<size_t>(i)];
        const QString path = QString::fromStdString(design(i == 0 ? "Dreadnought" : "Scharnhorst"));
        QJsonObject ship{{"design", QFileInfo(path).absoluteFilePath()},
                         {"crew", c.seCrewQuality->value()},
                         {"ranging_turns", c.seRangingTurns->value()},
                         {"evading", c.cbEvading->isChecked()},
                         {"sighting", c.cbSightingLevel->currentIndex()}};
        QJsonObject side{{"course", c.seHeading->value()}, {"speed", c.seSpeed->value()}, {"ships", QJsonArray{ship}}};
        if (i == 1) side.insert(QStringLiteral("range"), w.seRange->value());
        if (i == 1) side.insert(QStringLiteral("bearing"), w.seBearing->value());
        sides.append(side);
    }
    const QJsonObject env{{"lat", w.seLatitude->value()},
                          {"lon", w.seLongitude->value()},
                          {"datetime", w.dtBattle->dateTime().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm"))},
                          {"weather", w.cbWeather->currentIndex()},
                          {"sea_state", w.cbSeaState->currentIndex()}};
    QFile file(folder + QStringLiteral("/duel.json"));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(QJsonDocument(QJsonObject{{"environment", env}, {"sides", sides}}).toJson());
    file.close();
    QProcess tool;
    tool.start(QStringLiteral(SDFTOOL_PATH), {QStringLiteral("battle"), file.fileName()});
    if (!tool.waitForFinished(60000)) return {};
    return QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
}

} // namespace

class PlannerTests : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheFormAndAgreesWithSdftool() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought"));
        auto* button = form->findChild<QPushButton*>(QStringLiteral("bnEngagement"));
        QVERIFY(button && button->isEnabled());
        QCOMPARE(form->findChild<QAction*>(QStringLiteral("actEngagement"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+E")));
        button->click();
        auto* planner = form->findChild<TfrmPlanner*>(QStringLiteral("frmPlanner"));
        QVERIFY(planner && planner->isVisible() && planner->HasShips());
        PlannerWidgets& w = planner->W;
        // The opponent list filters by name, nation and type; the own design stays first.
        w.edFilter->setText(QStringLiteral("scharn"));
        QCOMPARE(w.lbOpponents->count(), 2);
        w.cbTypeFilter->setCurrentIndex(1 + 0); // BB: Scharnhorst is a CA
        QCOMPARE(w.lbOpponents->count(), 1);
        w.cbTypeFilter->setCurrentIndex(0);
        QVERIFY(planner->ChooseOpponent(design("Scharnhorst")));
        QCOMPARE(w.Fire[1].lbTitle->text(), QStringLiteral("Scharnhorst firing at Dreadnought"));

        struct Case {
            const char* name;
            QTime time;
            int weather, range, bearing, light;
        };
        const Case cases[] = {{"noon", {12, 0}, 2, 9000, 90, 1},
                              {"dusk", {20, 30}, 2, 9000, 120, 3},
                              {"midnight", {0, 0}, 2, 9000, 90, 2},
                              {"rain", {16, 0}, 6, 9000, 90, 1},
                              {"beyond range", {16, 0}, 2, 20000, 90, 1}};
        float noonChance = 0;
        for (const Case& c : cases) {
            w.dtBattle->setDateTime(QDateTime(QDate(1916, 5, 31), c.time, Qt::UTC));
            w.cbWeather->setCurrentIndex(c.weather);
            w.seBearing->setValue(c.bearing);
            w.slRange->setValue(c.range);
            QCOMPARE(w.seRange->value(), c.range);
            const EngagementFigures& f = planner->Figures();
            QVERIFY2(f.Own.LightCondition == c.light, c.name);
            const QJsonObject j = engageLikeThePlanner(*planner, c.time.toString(QStringLiteral("HH:mm")));
            QVERIFY2(!j.isEmpty(), c.name);
            compareWay(w.Fire[0], f.Own, j);
            compareWay(w.Fire[1], f.Opponent, j.value(QStringLiteral("Return")).toObject());
            if (c.light == 1 && c.weather == 2 && c.range == 9000) noonChance = f.Own.Fire.HitChance;
            if (c.light == 2) QVERIFY(f.Own.Fire.HitChance < noonChance && f.Own.SightingRange < 20000);
            if (c.range == 20000) QVERIFY(f.Opponent.Fire.BeyondGunRange && !f.Own.Fire.BeyondGunRange);
        }
        QVERIFY(w.stAdvantage->text().contains(QStringLiteral("beyond")));

        // Dreadnought's immune zone against the 8-inch guns is a band on the
        // chart; Scharnhorst's 6-inch belt has none against 12-inch guns.
        w.slRange->setValue(9000);
        QStringList bands;
        for (QAbstractSeries* series : w.chChart->chart()->series())
            if (series->type() == QAbstractSeries::SeriesTypeArea) bands << series->name();
        QCOMPARE(bands, QStringList{QStringLiteral("Dreadnought immune")});
    }

    // The year of play follows the date until it is set; the duel shown is
    // sdftool battle's of one ship a side, whatever the settings.
    void theDuelIsABattleOfOneShipASideInTheYearOfPlay() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought"));
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner && planner->ChooseOpponent(design("Scharnhorst")));
        PlannerWidgets& w = planner->W;
        const QTime noon(12, 0);
        w.dtBattle->setDateTime(QDateTime(QDate(1912, 3, 1), noon, Qt::UTC));
        QCOMPARE(std::make_pair(w.seYear->value(), planner->Environment().Year), std::make_pair(1912, 1912));
        w.seYear->setValue(1915);
        w.dtBattle->setDateTime(QDateTime(QDate(1917, 3, 1), noon, Qt::UTC));
        QCOMPARE(std::make_pair(w.seYear->value(), planner->Environment().Year), std::make_pair(1915, 1915));
        QCOMPARE(planner->Conditions().Conditions.Year, std::optional<std::int32_t>(1915));
        w.seYear->setValue(1917); // the date's own year: it follows the date again
        w.dtBattle->setDateTime(QDateTime(QDate(1908, 3, 1), noon, Qt::UTC));
        QCOMPARE(w.seYear->value(), 1908);

        QTemporaryDir scratch;
        std::mt19937 g(31);
        auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
        for (int n = 0; n < 8; ++n) {
            w.dtBattle->setDateTime(
                QDateTime(QDate(pick(1905, 1918), pick(1, 12), pick(1, 28)), QTime(pick(0, 23), pick(0, 59)), Qt::UTC));
            w.seLatitude->setValue(pick(-60, 70));
            w.seLongitude->setValue(pick(-40, 150));
            w.cbWeather->setCurrentIndex(pick(0, 7));
            w.cbSeaState->setCurrentIndex(pick(0, 8));
            w.seBearing->setValue(pick(0, 359));
            w.seRange->setValue(pick(10, 180) * 100);
            for (PlannerShipControls& c : w.Ships) {
                c.seHeading->setValue(pick(0, 359));
                c.seSpeed->setValue(pick(0, 30));
                c.seCrewQuality->setValue(pick(-2, 2));
                c.seRangingTurns->setValue(pick(0, 3));
                c.cbSightingLevel->setCurrentIndex(pick(0, 3));
                c.cbEvading->setChecked(pick(0, 1) == 1);
            }
            const QJsonArray ships =
                battleLikeThePlanner(*planner, scratch.path()).value(QStringLiteral("Ships")).toArray();
            QCOMPARE(ships.size(), 2);
            for (const auto& [f, j] : {std::pair{&planner->Figures().Own, ships[0].toObject()},
                                       {&planner->Figures().Opponent, ships[1].toObject()}}) {
                QCOMPARE(f->Fire.HitChance, static_cast<float>(j.value(QStringLiteral("HitChance")).toDouble()));
                QCOMPARE(f->Fire.RateOfFire, static_cast<float>(j.value(QStringLiteral("RateOfFire")).toDouble()));
                QCOMPARE(f->Fire.HitsPerMinute, j.value(QStringLiteral("HitsPerMinute")).toDouble());
                QStringList lines;
                for (const std::string& line : f->Breakdown) lines << QString::fromStdString(line);
                QCOMPARE(QJsonArray::fromStringList(lines), j.value(QStringLiteral("Breakdown")).toArray());
            }
        }
    }

    // A design that may not fight, chosen as the opponent, added to a
    // division or named by a scenario, is refused with the one reason and
    // nothing is computed from it.
    void aDesignThatMayNotFightIsRefusedAtOneGate() {
        TempProgramDir dir;
        QFile source(QString::fromStdString(design("Dreadnought")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray monster = source.readAll().replace("[Turret0]\r\nGuns=2", "[Turret0]\r\nGuns=99999");
        const std::string files[] = {dir.customFile("Monster.sdf"), dir.customFile("Garbage.sdf")};
        for (const auto& [path, bytes] : {std::pair{files[0], monster}, {files[1], QByteArray("Twas brillig\r\n")}}) {
            QFile f(QString::fromStdString(path));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) > 0);
        }
        auto form = openForm(dir.path());
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought"));
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner);
        TDivisionPanel& d = *planner->Divisions();
        for (const std::string& path : files) {
            const QString why = QString::fromStdString(DesignRefusal(ReadDesignRecord(path)).value_or("none"));
            QVERIFY(planner->ChooseOpponent(path));
            QVERIFY2(planner->W.stMessages->text().contains(why), qPrintable(planner->W.stMessages->text()));
            QVERIFY(!planner->HasShips());
            d.Sides[1].bnAdd->click();
            QCOMPARE(d.Sides[1].lbShips->count(), 0);
        }
        const std::string scenario = dir.path() + "Custom Files/Monster.json";
        QFile f(QString::fromStdString(scenario));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"sides": [{"ships": [{"design": "Monster.sdf"}]},
                   {"range": 9000, "bearing": 90, "ships": [{"design": "Monster.sdf"}]}]})");
        f.close();
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(scenario);
        planner->OpenScenario();
        QCOMPARE(d.Sides[0].lbShips->count(), 1); // it opens
        QVERIFY(d.stMessages->text().contains(QString::fromStdString(*DesignRefusal(ReadDesignRecord(files[0])))));
        QCOMPARE(d.tbMatrix->rowCount(), 0); // and computes nothing
    }

    void refusesBadInputAndNeverShowsANonNumber() {
        TempProgramDir dir;
        QFile::copy(QString::fromStdString(design("Dreadnought")),
                    QString::fromStdString(dir.path() + "Designs/Dreadnought.sdf"));
        const std::string unarmed = dir.customFile("Unarmed.sdf"), nationless = dir.customFile("Nationless.sdf"),
                          gone = dir.customFile("Gone.sdf");
        for (auto [path, text] :
             {std::pair{unarmed, "[Data]\r\nNation=0\r\nShipType=CL\r\nDisplacement=3000\r\n"},
              std::pair{nationless, "[Data]\r\nShipType=BB\r\n"}, std::pair{gone, "[Data]\r\nNation=0\r\n"}}) {
            QFile f(QString::fromStdString(path));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) > 0);
        }
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        QVERIFY(!ShowEngagementPlanner(*form)); // no nation and type yet
        QCOMPARE(messages.recorded.size(), size_t{1});
        form->LoadDesign(dir.path() + "Designs/Dreadnought.sdf");
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner);
        PlannerWidgets& w = planner->W;
        QFile::remove(QString::fromStdString(gone));
        QVERIFY(planner->ChooseOpponent(gone));
        QVERIFY(w.stMessages->text().contains(QStringLiteral("Cannot read design file: ")));
        QVERIFY(!planner->HasShips());
        QVERIFY(planner->ChooseOpponent(nationless));
        QVERIFY(w.stMessages->text().contains(QStringLiteral("Illegal nation value! Class: Nationless")));
        QVERIFY(planner->ChooseOpponent(unarmed));
        QVERIFY(planner->HasShips());
        QVERIFY(w.stMessages->text().contains(QStringLiteral("Unarmed has no guns.")));
        QCOMPARE(w.Fire[1].tbBatteries->item(0, 0)->text(), QStringLiteral("No guns"));
        QCOMPARE(w.Fire[1].stPiercing->text(), QStringLiteral("No main battery"));

        // Values the rules cannot take are refused by the controls themselves.
        w.seRange->setValue(0);
        QCOMPARE(w.seRange->value(), 100);
        w.seLatitude->setValue(95);
        QCOMPARE(w.seLatitude->value(), 89.0);
        w.dtBattle->setDateTime(QDateTime(QDate(1850, 1, 1), QTime(0, 0), Qt::UTC));
        QCOMPARE(w.dtBattle->date().year(), 1900);
        w.Ships[0].seSpeed->setValue(500);
        QCOMPARE(w.Ships[0].seSpeed->value(), 45);
        w.seDayRange->setValue(-5);
        for (const PlannerFireControls& c : w.Fire)
            for (int r = 0; r < c.tbBatteries->rowCount(); ++r)
                for (int col = 0; col < c.tbBatteries->columnCount(); ++col) {
                    const QString cell = c.tbBatteries->item(r, col)->text().toLower();
                    QVERIFY2(!cell.contains(QStringLiteral("nan")) && !cell.contains(QStringLiteral("inf")),
                             qPrintable(cell));
                }
        // A scenario that is no JSON is told where and what, in words.
        QFile broken(QString::fromStdString(dir.customFile("Broken.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{\n  \"sides\": ]}") > 0);
        broken.close();
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(broken.fileName().toStdString());
        planner->OpenScenario();
        QVERIFY(!messages.texts().empty());
        QVERIFY2(messages.texts().back().ends_with("Broken.json line 2, column 12: expected a value"),
                 messages.texts().back().c_str());
    }

    // The planner fights the design as the next save would store it: the
    // "Line" boxes decide whether an outline is a line or a polygon.
    void plannerTakesTheLineBoxesAsSaveDoes() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        form->LoadDesign(design("Dreadnought"));
        for (QCheckBox* line : form->Widgets().cbClosed) line->setChecked(!line->isChecked());
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner && planner->Ships().Own);
        QVERIFY(planner->Ships().Own->IsLine == form->Inputs().OutlineIsLine);
    }

    // Point-blank chances above 100 are certain hits; the user's own data
    // folder is listed, and a design saved while the window is open appears.
    void certainHitsAndEveryDesignFolder() {
        TempProgramDir dir;
        const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.path() + "xdg"));
        const std::string user = dir.path() + "xdg/shipdesigner/Custom Files/";
        QDir().mkpath(QString::fromStdString(user));
        QFile::copy(QString::fromStdString(design("Lion")), QString::fromStdString(user + "Lion.sdf"));
        auto form = openForm(dir.path());
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought"));
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner);
        PlannerWidgets& w = planner->W;
        QVERIFY(planner->ChooseOpponent(user + "Lion.sdf"));
        QVERIFY(!planner->ChooseOpponent(dir.customFile("Kongo.sdf")));
        QFile::copy(QString::fromStdString(design("Kongo")), QString::fromStdString(dir.customFile("Kongo.sdf")));
        QTRY_VERIFY(planner->ChooseOpponent(dir.customFile("Kongo.sdf")));
        qputenv("XDG_DATA_HOME", oldXdg);

        w.dtBattle->setDateTime(QDateTime(QDate(1916, 5, 31), QTime(12, 0), Qt::UTC));
        w.seBearing->setValue(90);
        w.seRange->setValue(100);
        const BatteryFigures& main = planner->Figures().Own.Fire;
        QVERIFY(main.HitChance > 100.0f);
        QCOMPARE(w.Fire[0].tbBatteries->item(0, 1)->text(),
                 QStringLiteral("100+ (%1)").arg(std::lround(main.HitChance)));
        QCOMPARE(main.HitsPerMinute, main.GunsBearing * static_cast<double>(main.RateOfFire));
    }

    // Four against four from a bundled scenario: the matrix, the totals and
    // the chart agree with sdftool battle; ships added with the Add button
    // and a scenario saved and opened again give the same figures.
    void divisionsAgreeWithSdftoolBattle() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought"));
        TfrmPlanner* planner = ShowEngagementPlanner(*form);
        QVERIFY(planner);
        const std::string scenario = programDir() + "Scenarios/Jutland 1916-05-31 1610 5th Battle Squadron.json";
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(scenario);
        planner->OpenScenario();
        TDivisionPanel& d = *planner->Divisions();
        QCOMPARE(d.tbMatrix->rowCount(), 8);
        QVERIFY(!planner->W.gbGeometry->isEnabled()); // the duel's range means nothing here
        QProcess tool;
        tool.start(QStringLiteral(SDFTOOL_PATH), {QStringLiteral("battle"), QString::fromStdString(scenario)});
        QVERIFY(tool.waitForFinished(60000));
        const QJsonObject j = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
        const QJsonArray ships = j.value(QStringLiteral("Ships")).toArray();
        QCOMPARE(ships.size(), 8);
        int row = 0;
        for (const auto& side : d.Figures().Ships)
            for (const ShipFire& f : side) {
                const QJsonObject s = ships[row].toObject();
                QCOMPARE(f.Fire.Fire.HitsPerMinute, s.value(QStringLiteral("HitsPerMinute")).toDouble());
                QCOMPARE(f.FoulingShips, s.value(QStringLiteral("FoulingShips")).toInt());
                QCOMPARE(f.FiringShips, s.value(QStringLiteral("FiringShips")).toInt());
                QCOMPARE(d.tbMatrix->item(row, 12)->text(), QString::number(f.Fire.Fire.HitsPerMinute, 'f', 3));
                ++row;
            }
        const QJsonArray sides = j.value(QStringLiteral("Sides")).toArray();
        QCOMPARE(d.Figures().Totals[0], sides[0].toObject().value(QStringLiteral("HitsPerMinute")).toDouble());
        QTRY_VERIFY(!d.Sweep().empty() && d.chTotals->chart()->series().size() >= 2); // the chart follows

        // Saved (design paths kept) and opened again: the same totals.
        TempProgramDir dir;
        const std::string saved = dir.path() + "Custom Files/Mine.json";
        dialogs.answers.push_back(saved);
        planner->SaveScenario();
        QCOMPARE(QFileInfo(QString::fromStdString(dialogs.saveRequests.back().startDirectory)).fileName(),
                 QStringLiteral("Scenarios"));
        const double total = d.Figures().Totals[1];
        d.Sides[0].lbShips->setCurrentRow(3);
        d.Sides[0].bnRemove->click();
        QCOMPARE(d.tbMatrix->rowCount(), 7);
        dialogs.answers.push_back(saved);
        planner->OpenScenario();
        QCOMPARE(d.Figures().Totals[1], total);
        // One ship's battery and crew changed in the view: recomputed at once, kept
        // in the file, and the same figures as sdftool battle on it.
        d.Sides[0].lbShips->setCurrentRow(1);
        const double before = d.Figures().Totals[0];
        d.Sides[0].cbBattery->setCurrentIndex(1);
        d.Sides[0].seCrew->setValue(-3);
        QVERIFY(d.Figures().Totals[0] != before);
        dialogs.answers.push_back(saved);
        planner->SaveScenario();
        dialogs.answers.push_back(saved);
        planner->OpenScenario();
        QCOMPARE(d.Sides[0].seCrew->value(), -3);
        QCOMPARE(d.Sides[0].cbBattery->currentIndex(), 1);
        tool.start(QStringLiteral(SDFTOOL_PATH), {QStringLiteral("battle"), QString::fromStdString(saved)});
        QVERIFY(tool.waitForFinished(60000));
        const QJsonArray edited =
            QJsonDocument::fromJson(tool.readAllStandardOutput()).object().value(QStringLiteral("Ships")).toArray();
        row = 0;
        for (const auto& side : d.Figures().Ships)
            for (const ShipFire& f : side)
                QCOMPARE(f.Fire.Fire.HitsPerMinute,
                         edited[row++].toObject().value(QStringLiteral("HitsPerMinute")).toDouble());
        // A battleship may not lead a search line: the reason shows, nothing is computed.
        d.Sides[0].cbFormation->setCurrentIndex(2);
        QVERIFY(d.Sides[0].stFormation->text().contains(QStringLiteral("A BB may lead only")));
        QCOMPARE(d.tbMatrix->rowCount(), 0);
        // The spacing follows the formation until the user sets one.
        QCOMPARE(d.Sides[0].seSpacing->value(), 2000);
        d.Sides[0].cbFormation->setCurrentIndex(0);
        QCOMPARE(d.Sides[0].seSpacing->value(), 500);
        d.Sides[0].seSpacing->setValue(700);
        d.Sides[0].cbFormation->setCurrentIndex(1);
        QCOMPARE(d.Scenario().Setup.Sides[0].Spacing, 700.0);
        planner->W.tcResults->setCurrentIndex(0);
        QVERIFY(planner->W.gbGeometry->isEnabled());
    }

    void statusCardFromTheFormShowsTheShipReady() {
        auto form = openForm();
        QVERIFY(form);
        form->LoadDesign(design("Dreadnought")); // 21 knots, range setting long
        TdlgShipStatus& card = form->ShipStatusDialog();
        QString speed, endurance;
        QTimer::singleShot(0, &card, [&] {
            speed = card.W.stSpeed->text();
            endurance = card.W.stEndurance->text();
            card.accept();
        });
        form->ShowShipStatus();
        QCOMPARE(speed, QStringLiteral(" 21/21"));
        QVERIFY2(endurance.startsWith(QStringLiteral(" 7000/")), qPrintable(endurance));
    }
};

SHIP_GUI_TEST(PlannerTests)
#include "PlannerTests.moc"
