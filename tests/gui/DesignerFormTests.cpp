// The design form driven as a user would: its controls, start-up, the
// recompute, the turret and mount lists and their commands.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "combat/WeaponData.h"
#include "designfile/DesignInputs.h"
#include "nations/Nations.h"
#include "platform/Round.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>

using namespace designertest;

namespace {

// The design ship the form should hold for `inputs` and these turrets,
// computed by the core alone.
std::unique_ptr<TDesignShip> coreShip(const DesignInputs& inputs, const std::vector<std::pair<char, int>>& turrets = {},
                                      const std::vector<std::pair<char, int>>& mounts = {}) {
    auto ship = std::make_unique<TDesignShip>();
    ship->ClearSpecials();
    ApplyInputs(inputs, *ship);
    for (auto [letter, guns] : turrets) {
        auto t = std::make_unique<TTurret>();
        t->Guns = guns;
        t->Position = letter;
        ship->AddTurret(std::move(t));
    }
    for (auto [letter, tubes] : mounts) {
        auto m = std::make_unique<TTorpedomount>();
        m->Tubes = tubes;
        m->Position = letter;
        ship->AddTorpedoMount(std::move(m));
    }
    ApplyInputs(inputs, *ship);
    return ship;
}

// The inputs of a freshly shown form.
DesignInputs openingInputs() {
    DesignInputs in;
    in.FireControl = -1;
    return in;
}

template <class T>
T* find(QWidget* form, const char* name) {
    return form->findChild<T*>(QLatin1String(name));
}

QLabel* buddyLabel(QWidget* form, QWidget* control) {
    for (QLabel* l : form->findChildren<QLabel*>())
        if (l->buddy() == control) return l;
    return nullptr;
}

} // namespace

class DesignerFormTests : public QObject {
    Q_OBJECT
private slots:
    void everyControlExistsWithItsKindAndLabel() {
        auto form = openForm();
        QVERIFY(form);
        QWidget* f = form.get();
        const std::vector<std::pair<const char*, const char*>> spins = {
            {"seDisplacement", "Displacement"}, {"seSpeed", "Speed"}, {"seMainCal", "Main guns calibre"},
            {"seMQ", "Quality"}, {"seSecCal", "Calibre"}, {"seSecondaries", "Number"}, {"seSQ", "Quality"},
            {"seTerCal", "Calibre"}, {"seTertiaries", "Number"}, {"seTQ", "Quality"},
            {"seTorpCal", "Torpedo calibre"}, {"seMines", "Mines"}, {"seHullWS", "Hull weightsaving"},
            {"seArmWS", "Armor weightsaving"}, {"seMachWS", "Machinery weightsaving"}};
        const std::vector<std::pair<const char*, const char*>> lists = {
            {"cbNation", "Nation"}, {"cbType", "Ship type"}, {"cbRange", "Range"}, {"cbFreeboard", "Freeboard"},
            {"cbFuelType", "Fuel type"}, {"cbB", "Belt"}, {"cbBeltCoverage", "Belt coverage"},
            {"cbBE", "Belt extended"}, {"cbD", "Deck"}, {"cbDE", "Deck extended"}, {"cbCT", "Conning tower"},
            {"cbT", "Turrets"}, {"cbTT", "Turret top"}, {"cbSEC", "Secondaries"}, {"cbFireControl", "Fire control"},
            {"cbSecTF", "Guns / turret"}, {"cbTerTF", "Guns / turret"}, {"cbTorpType", "Type"},
            {"cbTPS", "Torpedo defense"}, {"cbAccomodation", "Accomodation"}};
        const std::vector<std::pair<const char*, const char*>> edits = {
            {"edName", "Class name"}, {"edEnemyClass", "Enemy class name"},
            {"edMisClass", "Misidentified class name"}, {"edPicName", "Picture name"}};
        for (auto [name, label] : spins) {
            auto* w = find<QSpinBox>(f, name);
            QVERIFY2(w, name);
            QVERIFY2(buddyLabel(f, w) && buddyLabel(f, w)->text() == QLatin1String(label), name);
        }
        for (auto [name, label] : lists) {
            auto* w = find<QComboBox>(f, name);
            QVERIFY2(w, name);
            QVERIFY2(buddyLabel(f, w) && buddyLabel(f, w)->text() == QLatin1String(label), name);
        }
        for (auto [name, label] : edits) {
            auto* w = find<QLineEdit>(f, name);
            QVERIFY2(w, name);
            QVERIFY2(buddyLabel(f, w) && buddyLabel(f, w)->text() == QLatin1String(label), name);
        }
        auto* date = find<QDateEdit>(f, "dtpObsolete");
        QVERIFY(date && buddyLabel(f, date)->text() == QLatin1String("Obsolete date"));

        const std::vector<std::pair<const char*, const char*>> checks = {
            {"cbProtectedCruiser", "Protected cruiser"}, {"cbCrossDeck", "Cross deck fire"},
            {"cbFunnel1Oval", "Oval"}, {"cbFunnel2Oval", "Oval"}, {"cbFunnel3Oval", "Oval"},
            {"cbFunnel4Oval", "Oval"}, {"cbClosed", "Line"}, {"cbClosed2", "Line"}, {"cbClosed3", "Line"},
            {"cbClosed4", "Line"}};
        for (auto [name, caption] : checks) {
            auto* w = find<QCheckBox>(f, name);
            QVERIFY2(w && w->text() == QLatin1String(caption), name);
        }

        const char* outputs[] = {"stHull", "stHp", "stMachineryWeight", "stB", "stBE", "stD", "stDE", "stCT", "stT",
                                 "stTT", "stS", "stArmamentWeight", "stArmPc", "stSumArmor", "stArmorPc",
                                 "StaticText6", "stTPSweight", "stFireControl", "stSecWeight", "stTerWeight",
                                 "stCrew", "stAccomodation", "stSumAll", "StaticText4", "stTotalCost",
                                 "stFunnel1Pos", "stFunnel2Pos", "stFunnel3Pos", "stFunnel4Pos", "stNoPoints",
                                 "stNoPoints1", "stNoPoints2", "stNoPoints3"};
        for (const char* name : outputs) {
            auto* w = find<QLabel>(f, name);
            QVERIFY2(w, name);
            QVERIFY2(w->frameShadow() == QFrame::Sunken && (w->alignment() & Qt::AlignRight), name);
            QVERIFY2(!w->toolTip().isEmpty(), name);
        }

        const std::vector<std::pair<const char*, const char*>> buttons = {
            {"bnLoad", "Load"}, {"bnLoadCust", "Load custom"}, {"bnSave", "Save"}, {"bnSelPic", "..."},
            {"Button2", "Exit"}, {"bnAddTurret", "Add turret"}, {"bnDeleteTurret", "Delete turret"},
            {"bnClearTurrets", "Clear turrets"}, {"bnAddTorpMount", "Add mount"},
            {"bnDeleteTorpMount", "Delete mount"}, {"bnClearTorpMounts", "Clear mounts"},
            {"Button1", "Update weights"}, {"bnRefreshGraphics", "Update ship graphic"}, {"ZoomInBtn", "+"},
            {"ZoomOutBtn", "-"}, {"bnFunnel1", "..."}, {"Button4", "..."}, {"Button5", "..."}, {"Button6", "..."},
            {"bnDelFunnel", "X"}, {"stDelFunnel2", "X"}, {"bnDeleteFunnel3", "X"}, {"bnDelFunnel4", "X"},
            {"Button7", "St1"}, {"Button8", "St2"}, {"Button9", "St3"}, {"Button10", "St4"}, {"Button11", nullptr},
            {"Button12", nullptr}};
        for (auto [name, caption] : buttons) {
            auto* w = find<QPushButton>(f, name);
            QVERIFY2(w, name);
            if (caption) QVERIFY2(w->text() == QLatin1String(caption), name);
        }
        for (const char* name : {"bnDelFunnel", "stDelFunnel2", "bnDeleteFunnel3", "bnDelFunnel4"}) {
            auto* w = find<QPushButton>(f, name);
            QCOMPARE(w->toolTip(), QStringLiteral("Delete funnel"));
            QVERIFY(w->font().bold() || w->styleSheet().contains(QStringLiteral("bold")));
        }
        for (const char* name : {"seHullWS", "seArmWS", "seMachWS", "Button1", "Button11", "Button12"})
            QVERIFY2(!find<QWidget>(f, name)->isVisible(), name);

        auto* panel = find<QFrame>(f, "Panel2");
        QVERIFY(panel);
        QCOMPARE(panel->size(), QSize(215, 527));
        QVERIFY(panel->findChild<QWidget*>(QStringLiteral("Globe41")));
        QVERIFY(find<QLabel>(f, "stPos"));
        QCOMPARE(find<QLabel>(f, "lbVersion")->text(), QStringLiteral("V1.54"));

        const std::vector<std::tuple<const char*, QStringList, std::vector<int>>> views = {
            {"lvTurrets", {"Position", "Guns/turret", "Weight/turret"}, {150, 70, 75}},
            {"lvTorpedoes", {"Position", "Tubes/mount", "Weight/mount"}, {150, 80, 80}}};
        for (const auto& [name, columns, widths] : views) {
            auto* lv = find<QTreeWidget>(f, name);
            QVERIFY2(lv, name);
            QCOMPARE(lv->columnCount(), 3);
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(lv->headerItem()->text(c), columns[c]);
                QCOMPARE(lv->columnWidth(c), widths[static_cast<size_t>(c)]);
            }
            QCOMPARE(lv->selectionBehavior(), QAbstractItemView::SelectRows);
        }
    }

    void controlsHoldTheirRangesItemsAndDefaults() {
        auto form = openForm();
        QVERIFY(form);
        QWidget* f = form.get();
        struct Spin {
            const char* name;
            int min, max, step, value;
        };
        const Spin spins[] = {{"seDisplacement", 50, 70000, 500, 10000}, {"seSpeed", 0, 35, 1, 18},
                              {"seMainCal", 2, 18, 1, 12},           {"seMQ", -5, 5, 1, 0},
                              {"seSecCal", 2, 35, 1, 4},             {"seSecondaries", 0, 24, 2, 0},
                              {"seSQ", -5, 5, 1, 0},                 {"seTerCal", 2, 35, 1, 3},
                              {"seTertiaries", 0, 24, 2, 0},         {"seTQ", -5, 5, 1, 0},
                              {"seTorpCal", 12, 28, 1, 18},          {"seMines", 0, 1000, 10, 0},
                              {"seHullWS", 0, 10, 1, 0},             {"seArmWS", 0, 10, 1, 0},
                              {"seMachWS", 0, 10, 1, 0}};
        for (const Spin& s : spins) {
            auto* w = find<QSpinBox>(f, s.name);
            QVERIFY2(w->minimum() == s.min && w->maximum() == s.max, s.name);
            QVERIFY2(w->singleStep() == s.step && w->value() == s.value, s.name);
        }
        QCOMPARE(form->Widgets().cbType->count(), 11);
        QStringList types;
        for (int i = 0; i < 11; ++i) types << form->Widgets().cbType->itemText(i);
        QCOMPARE(types.join(QLatin1Char(',')), QStringLiteral("BB,BC,B,CA,CL,DD,MS,AMC,AV,TR,LT"));
        for (QComboBox* armour : form->Widgets().ArmourLists()) {
            QCOMPARE(armour->count(), 33);
            QCOMPARE(armour->itemText(1), QStringLiteral(".5"));
            QCOMPARE(armour->itemText(3), QStringLiteral("1.5"));
            QCOMPARE(armour->itemText(32), QStringLiteral("16"));
            QCOMPARE(armour->currentIndex(), 0);
        }
        const DesignFormWidgets& w = form->Widgets();
        QCOMPARE(w.cbRange->currentText(), QStringLiteral("Medium"));
        QCOMPARE(w.cbFireControl->itemText(5), QStringLiteral("Advanced DCT"));
        QCOMPARE(w.cbTPS->currentText(), QStringLiteral("0 - None"));
        QCOMPARE(w.cbSecTF->currentText(), QStringLiteral("Casemates"));
        QCOMPARE(w.cbTerTF->currentIndex(), 0);
        for (QComboBox* none : {w.cbNation, w.cbType, w.cbFireControl, w.cbTorpType}) QCOMPARE(none->currentIndex(), -1);
        for (QComboBox* first : {w.cbFreeboard, w.cbBeltCoverage, w.cbAccomodation, w.cbFuelType})
            QCOMPARE(first->currentIndex(), 0);
        QCOMPARE(w.dtpObsolete->date(), QDate(2012, 11, 11));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design"));
        QCOMPARE(form->size(), QSize(1025, 795));
    }

    void startUpFillsNationAndTorpedoLists() {
        auto form = openForm();
        QVERIFY(form && form->StartupSucceeded());
        const DesignFormWidgets& w = form->Widgets();
        QCOMPARE(w.cbNation->count(), MaxNation + 1);
        for (int n = 0; n <= MaxNation; ++n)
            QCOMPARE(w.cbNation->itemText(n).toStdString(), Nations[static_cast<size_t>(n)].Name);
        const auto items = TorpedoTypeItems();
        QCOMPARE(w.cbTorpType->count(), static_cast<int>(items.size()));
        for (int i = 0; i < w.cbTorpType->count(); ++i)
            QCOMPARE(w.cbTorpType->itemText(i).toStdString(), items[static_cast<size_t>(i)]);
        QVERIFY(form->DesignShip());
    }

    void formOpensWhenTheDataTablesAreMissing() {
        TempProgramDir empty(false);
        std::vector<std::string> startup;
        auto form = openForm(empty.path(), &startup);
        QVERIFY(form && form->isVisible());
        QVERIFY(!form->StartupSucceeded());
        QVERIFY(std::any_of(startup.begin(), startup.end(),
                            [](const std::string& t) { return t.rfind("Cannot open file ", 0) == 0; }));
        QCOMPARE(form->Widgets().cbNation->count(), 0);
        QCOMPARE(form->Widgets().cbTorpType->count(), 0);
        QCOMPARE(form->Widgets().cbB->currentIndex(), -1);
        // Still usable: a change recomputes without a fault.
        platform::ScopedRecordingMessages messages;
        form->Widgets().seDisplacement->setValue(12000);
        QCOMPARE(form->DesignShip()->Displacement, 12000);
    }

    void outputBoxesShowTheDesignRulesFigures() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        w.seDisplacement->setValue(20000);
        w.seSpeed->setValue(21);
        w.cbB->setCurrentIndex(18);
        w.cbBE->setCurrentIndex(6);
        w.cbD->setCurrentIndex(4);
        w.cbDE->setCurrentIndex(2);
        w.cbCT->setCurrentIndex(20);
        w.cbT->setCurrentIndex(22);
        w.cbTT->setCurrentIndex(6);
        w.cbSEC->setCurrentIndex(8);
        w.cbBeltCoverage->setCurrentIndex(1);
        w.seSecCal->setValue(6);
        w.seSecondaries->setValue(12);
        w.cbSecTF->setCurrentIndex(1);
        w.seTerCal->setValue(3);
        w.seTertiaries->setValue(10);
        w.cbFireControl->setCurrentIndex(3);
        w.cbTPS->setCurrentIndex(2);
        w.cbAccomodation->setCurrentIndex(1);
        w.cbRange->setCurrentIndex(2);
        w.seTorpCal->setValue(21);
        addTurret(*form, 'A', 2);
        addTurret(*form, 'Y', 3);
        addMount(*form, 'F', 2);

        DesignInputs in = openingInputs();
        in.Displacement = 20000, in.Speed = 21, in.B = 18, in.BE = 6, in.D = 4, in.DE = 2, in.CT = 20, in.T = 22;
        in.TT = 6, in.SEC = 8, in.BeltCoverage = 1, in.SecCal = 6, in.Secondaries = 12, in.SecTF = 1;
        in.TerCal = 3, in.Tertiaries = 10, in.FireControl = 3, in.TPS = 2, in.Accomodation = 1, in.Range = 2;
        in.TorpCal = 21;
        auto ship = coreShip(in, {{'A', 2}, {'Y', 3}}, {{'F', 2}});
        QVERIFY(ship->TotalWeight > 0);
        const std::vector<std::pair<QLabel*, std::int32_t>> boxes = {
            {w.stHull, ship->HullWeight}, {w.stHp, ship->Horsepower}, {w.stMachineryWeight, ship->MachineryWeight},
            {w.stB, ship->WeightB}, {w.stBE, ship->WeightBE}, {w.stD, ship->WeightD}, {w.stDE, ship->WeightDE},
            {w.stCT, ship->WeightCT}, {w.stArmamentWeight, ship->ArmamentWeight}, {w.stSumArmor, ship->ArmorWeight},
            {w.StaticText6, ship->SpecialsWeight}, {w.stTPSweight, ship->TPSWeight},
            {w.stFireControl, ship->FireControlWeight}, {w.stSecWeight, ship->SecondaryWeight},
            {w.stTerWeight, ship->TertiaryWeight}, {w.stCrew, ship->Complement},
            {w.stAccomodation, ship->AccommodationSpace}, {w.stSumAll, ship->TotalWeight},
            {w.StaticText4, ship->Displacement - ship->TotalWeight}, {w.stTotalCost, 0}};
        for (const auto& [box, value] : boxes) QCOMPARE(boxValue(box), value);
        for (QLabel* never : {w.stT, w.stTT, w.stS}) QCOMPARE(never->text(), QStringLiteral("0"));
        const auto pc = [&](std::int32_t part) {
            return QString::number(platform::Round(static_cast<long double>(part) / ship->TotalWeight * 100)) + "%";
        };
        QCOMPARE(w.stArmPc->text(), pc(ship->ArmamentWeight));
        QCOMPARE(w.stArmorPc->text(), pc(ship->ArmorWeight));
        QCOMPARE(captions(w.lvTurrets), (QStringList{"A - Forward", "Y - Aft"}));
        QCOMPARE(captions(w.lvTurrets, 1), (QStringList{"2", "3"}));
        QCOMPARE(captions(w.lvTurrets, 2), (QStringList{QString::number(ship->Turrets[0]->Weight),
                                                        QString::number(ship->Turrets[1]->Weight)}));
        QCOMPARE(captions(w.lvTorpedoes), QStringList{"F"});
        QCOMPARE(captions(w.lvTorpedoes, 2), QStringList{QString::number(2 * 21)});
        QVERIFY(messages.recorded.empty());
    }

    void overweightByOneTonTurnsTotalAndSpareRed() {
        // Find through the core an armour choice that weighs 10001 t on 10000 t.
        DesignInputs in = openingInputs();
        in.Displacement = 10000;
        std::optional<std::array<int, 3>> hit;
        {
            platform::ScopedRecordingMessages quiet;
            for (int b = 0; b < 33 && !hit; ++b)
                for (int be = 0; be < 33 && !hit; ++be)
                    for (int ct = 0; ct < 33 && !hit; ++ct) {
                        in.B = b, in.BE = be, in.CT = ct;
                        if (coreShip(in)->TotalWeight == 10001) hit = std::array<int, 3>{b, be, ct};
                    }
        }
        if (!hit) QSKIP("no armour choice weighs exactly 10001 t with the present tables");
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        QCOMPARE(w.stSumAll->palette().color(QPalette::WindowText), QColor(Qt::black));
        w.cbB->setCurrentIndex((*hit)[0]);
        w.cbBE->setCurrentIndex((*hit)[1]);
        w.cbCT->setCurrentIndex((*hit)[2]);
        QCOMPARE(w.stSumAll->text(), QStringLiteral("10001"));
        QCOMPARE(w.StaticText4->text(), QStringLiteral("-1"));
        QCOMPARE(w.stSumAll->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(w.StaticText4->palette().color(QPalette::WindowText), QColor(Qt::red));
        w.seDisplacement->setValue(10500);  // room again: back to black
        QCOMPARE(w.StaticText4->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void displacementStepGrowsAbove4000() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        QSpinBox* d = form->Widgets().seDisplacement;
        d->setValue(4000);
        QCOMPARE(d->singleStep(), 100);
        d->stepUp();
        QCOMPARE(d->value(), 4100);
        d->stepUp();
        QCOMPARE(d->value(), 4600);
        d->stepDown();
        d->stepDown();
        QCOMPARE(d->value(), 3600);  // 4100 is still above 4000
        QCOMPARE(d->singleStep(), 100);
        d->setValue(5000);
        form->Widgets().seSpeed->setValue(20);
        QCOMPARE(d->singleStep(), 500);
    }

    void deletedTurretStaysInTotalsUntilTheNextChange() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        form->Widgets().bnDeleteTurret->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"No turret selected!"});
        messages.clear();
        addTurret(*form, 'A', 2);
        addTurret(*form, 'Y', 2);
        QCOMPARE(w.lvTurrets->topLevelItemCount(), 2);
        const QString before = w.stSumAll->text();
        w.lvTurrets->setCurrentItem(w.lvTurrets->topLevelItem(0));
        w.bnDeleteTurret->click();
        QCOMPARE(captions(w.lvTurrets), QStringList{"Y - Aft"});
        QCOMPARE(form->DesignShip()->Turrets.size(), size_t(1));
        QCOMPARE(form->DesignShip()->Turrets[0]->Position, 'Y');
        QCOMPARE(w.stSumAll->text(), before);
        w.cbFuelType->setCurrentIndex(1);
        DesignInputs in = openingInputs();
        in.FuelType = 1;
        QCOMPARE(boxValue(w.stSumAll), coreShip(in, {{'Y', 2}})->TotalWeight);

        addMount(*form, 'B', 3);
        w.lvTorpedoes->setCurrentItem(w.lvTorpedoes->topLevelItem(0));
        w.bnDeleteTorpMount->click();
        QCOMPARE(w.lvTorpedoes->topLevelItemCount(), 0);
        QVERIFY(form->DesignShip()->TorpedoMounts.empty());
        w.bnDeleteTorpMount->click();
        QCOMPARE(messages.texts(), std::vector<std::string>{"No mount selected!"});
    }

    void mainCalibreChangeReweighsTurretsButNotTotals() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        w.cbT->setCurrentIndex(20);
        addTurret(*form, 'A', 2);
        const QString total = w.stSumAll->text();
        w.seMainCal->setValue(14);
        DesignInputs in = openingInputs();
        in.T = 20;
        in.MainCal = 14;
        auto ship = coreShip(in, {{'A', 2}});
        in.MainCal = 12;
        const std::int32_t weightAt12 = coreShip(in, {{'A', 2}})->Turrets[0]->Weight;
        QVERIFY(ship->Turrets[0]->Weight != weightAt12);
        QCOMPARE(w.lvTurrets->topLevelItem(0)->text(2), QString::number(ship->Turrets[0]->Weight));
        in.MainCal = 14;
        QCOMPARE(w.stSumAll->text(), total);
        w.seMines->setValue(50);  // the same update: still no new totals
        QCOMPARE(w.stSumAll->text(), total);
        w.Button1->click();  // "Update weights"
        in.Mines = 50;
        QCOMPARE(boxValue(w.stSumAll), coreShip(in, {{'A', 2}})->TotalWeight);
    }

    void clearingAsksFirst() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        addTurret(*form, 'A', 1);
        addMount(*form, 'Y', 2);
        messages.answerNext(false);
        w.bnClearTurrets->click();
        QCOMPARE(w.lvTurrets->topLevelItemCount(), 1);
        messages.answerNext(true);
        w.bnClearTurrets->click();
        QCOMPARE(w.lvTurrets->topLevelItemCount(), 0);
        QVERIFY(form->DesignShip()->Turrets.empty());
        messages.answerNext(false);
        w.bnClearTorpMounts->click();
        QCOMPARE(w.lvTorpedoes->topLevelItemCount(), 1);
        messages.answerNext(true);
        w.bnClearTorpMounts->click();
        QCOMPARE(w.lvTorpedoes->topLevelItemCount(), 0);
        QCOMPARE(messages.texts(), (std::vector<std::string>{"Clear all turrets?", "Clear all turrets?",
                                                             "Clear all torpedo mounts?", "Clear all torpedo mounts?"}));
        QCOMPARE(boxValue(w.stArmamentWeight), coreShip(openingInputs())->ArmamentWeight);
    }

    void titleFollowsTheClassName() {
        auto form = openForm();
        QVERIFY(form);
        form->Widgets().edName->setText(QStringLiteral("Dreadnought"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Dreadnought"));
        form->Widgets().edName->setText(QStringLiteral("  "));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design"));
    }

    void tabOrderFollowsTheGroups() {
        auto form = openForm();
        QVERIFY(form);
        const DesignFormWidgets& w = form->Widgets();
        const std::vector<QWidget*> chain = {w.edName, w.edEnemyClass, w.edMisClass, w.cbNation, w.cbType,
                                             w.dtpObsolete, w.edPicName, w.bnSelPic, w.seDisplacement};
        for (size_t i = 0; i + 1 < chain.size(); ++i) {
            QWidget* next = chain[i]->nextInFocusChain();
            while (next && (next->focusPolicy() & Qt::TabFocus) == 0) next = next->nextInFocusChain();
            // A spin box or date edit passes focus through its inner line edit.
            while (next && (chain[i]->isAncestorOf(next) || (next->focusPolicy() & Qt::TabFocus) == 0))
                next = next->nextInFocusChain();
            QVERIFY2(next == chain[i + 1], qPrintable(chain[i]->objectName() + QStringLiteral(" -> ") +
                                                      (next ? next->objectName() + QLatin1Char(' ') +
                                                                  next->metaObject()->className()
                                                            : QString())));
        }
    }

    void exitClosesTheForm() {
        auto form = openForm();
        QVERIFY(form);
        form->Widgets().Button2->click();
        QVERIFY(!form->isVisible());
    }
};

SHIP_GUI_TEST(DesignerFormTests)
#include "DesignerFormTests.moc"
