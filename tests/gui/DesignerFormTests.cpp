// The design form driven as a user would: its controls, start-up, the
// recompute, the turret and mount lists and their commands.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "designfile/DesignInputs.h"
#include "platform/Round.h"

using namespace designertest;

namespace {

// The design ship the form should hold for `inputs` and these turrets and
// mounts, computed by the core alone.
using Places = std::vector<std::pair<char, int>>;
std::unique_ptr<TDesignShip> coreShip(const DesignInputs& inputs, const Places& turrets = {},
                                      const Places& mounts = {}) {
    auto ship = std::make_unique<TDesignShip>(bundledData());
    ship->ClearSpecials();
    (void)ApplyInputs(inputs, *ship);
    for (auto [letter, guns] : turrets) {
        auto t = std::make_unique<TTurret>();
        t->Guns = guns, t->Position = letter;
        ship->AddTurret(std::move(t));
    }
    for (auto [letter, tubes] : mounts) {
        auto m = std::make_unique<TTorpedomount>();
        m->Tubes = tubes, m->Position = letter;
        ship->AddTorpedoMount(std::move(m));
    }
    (void)ApplyInputs(inputs, *ship);
    return ship;
}

// The inputs of a freshly shown form.
DesignInputs openingInputs() {
    DesignInputs in;
    in.FireControl = -1;
    return in;
}

// Sets a spin box or list on the form and the same field of `in`.
struct Setting {
    const char* widget;
    int DesignInputs::*field;
    int value;
};
void apply(QWidget* form, DesignInputs& in, std::initializer_list<Setting> settings) {
    for (const Setting& s : settings) {
        QWidget* w = form->findChild<QWidget*>(QLatin1String(s.widget));
        if (auto* spin = qobject_cast<QSpinBox*>(w)) spin->setValue(s.value);
        if (auto* list = qobject_cast<QComboBox*>(w)) list->setCurrentIndex(s.value);
        in.*s.field = s.value;
    }
}

// The spin edits' ranges, steps and opening values; the file reader and
// sdftool clamp to the same ranges.
struct Spin {
    const char* name;
    int min, max, step, value;
};
const Spin kSpins[] = {{"seDisplacement", 50, 70000, 500, 10000},
                       {"seSpeed", 0, 35, 1, 18},
                       {"seMainCal", 2, 18, 1, 12},
                       {"seMQ", -5, 5, 1, 0},
                       {"seSecCal", 2, 35, 1, 4},
                       {"seSecondaries", 0, 24, 2, 0},
                       {"seSQ", -5, 5, 1, 0},
                       {"seTerCal", 2, 35, 1, 3},
                       {"seTertiaries", 0, 24, 2, 0},
                       {"seTQ", -5, 5, 1, 0},
                       {"seTorpCal", 12, 28, 1, 18},
                       {"seMines", 0, 1000, 10, 0}};

} // namespace

class DesignerFormTests : public QObject {
    Q_OBJECT
private slots:
    void spinEditsHoldTheirRanges() {
        auto form = openForm();
        QVERIFY(form);
        for (const Spin& c : kSpins) {
            auto* s = form->findChild<QSpinBox*>(QLatin1String(c.name));
            QVERIFY2(s && s->minimum() == c.min && s->maximum() == c.max, c.name);
            QVERIFY2(s->singleStep() == c.step && s->value() == c.value, c.name);
        }
    }

    void formOpensWhenTheDataTablesAreMissing() {
        TempProgramDir empty(false);
        std::vector<std::string> startup;
        auto form = openForm(empty.path(), &startup);
        QVERIFY(form && form->isVisible() && !form->StartupSucceeded());
        QVERIFY(std::any_of(startup.begin(), startup.end(),
                            [](const std::string& t) { return t.rfind("Cannot open file ", 0) == 0; }));
        QCOMPARE(form->Widgets().cbNation->count(), 0);
        // Still usable: a change recomputes without a fault.
        platform::ScopedRecordingMessages messages;
        form->Widgets().seDisplacement->setValue(12000);
        QCOMPARE(form->DesignShip()->Displacement, 12000);
    }

    // One walk: every change, the lists' commands included, shows the core's figures at once.
    void outputBoxesFollowEveryChangeAtOnce() {
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        w.bnDeleteTurret->click();
        w.bnDeleteTorpMount->click();
        QCOMPARE(messages.texts(), (std::vector<std::string>{"No turret selected!", "No mount selected!"}));
        messages.clear();
        DesignInputs in = openingInputs();
        apply(form.get(), in,
              {{"seDisplacement", &DesignInputs::Displacement, 20000},
               {"cbB", &DesignInputs::B, 18},
               {"cbT", &DesignInputs::T, 22},
               {"seSecondaries", &DesignInputs::Secondaries, 12},
               {"cbFireControl", &DesignInputs::FireControl, 3},
               {"cbTPS", &DesignInputs::TPS, 2},
               {"seTorpCal", &DesignInputs::TorpCal, 21}});
        addTurret(*form, 'A', 2);
        addTurret(*form, 'Y', 2);
        addMount(*form, 'F', 2);
        const Places turrets = {{'A', 2}, {'Y', 2}}, mounts = {{'F', 2}};
        auto ship = coreShip(in, turrets, mounts);
        const TShipWeights& x = ship->Weights;
        const std::vector<std::pair<QLabel*, std::int32_t>> boxes = {{w.stHull, x.HullWeight},
                                                                     {w.stB, x.WeightB},
                                                                     {w.stArmamentWeight, x.ArmamentWeight},
                                                                     {w.stTPSweight, x.TPSWeight},
                                                                     {w.stFireControl, x.FireControlWeight},
                                                                     {w.stSecWeight, x.SecondaryWeight},
                                                                     {w.stCrew, ship->Complement},
                                                                     {w.stSumAll, x.TotalWeight},
                                                                     {w.stSpare, ship->Displacement - x.TotalWeight}};
        for (const auto& [box, value] : boxes) QVERIFY2(boxValue(box) == value, qPrintable(box->objectName()));
        QCOMPARE(w.stArmorPc->text(),
                 QString::number(platform::Round(static_cast<long double>(x.ArmorWeight) / x.TotalWeight * 100)) + "%");
        QCOMPARE(captions(w.lvTurrets, 2), QStringList(2, QString::number(ship->Turrets[0]->Weight)));
        QCOMPARE(captions(w.lvTorpedoes, 2), QStringList{QString::number(2 * 21)});

        // The main calibre takes a short way of its own; mines a full recompute.
        const std::int32_t weightAt12 = ship->Turrets[0]->Weight;
        apply(form.get(), in, {{"seMainCal", &DesignInputs::MainCal, 14}});
        ship = coreShip(in, turrets, mounts);
        QVERIFY(ship->Turrets[0]->Weight != weightAt12);
        QCOMPARE(w.lvTurrets->topLevelItem(0)->text(2), QString::number(ship->Turrets[0]->Weight));
        QCOMPARE(boxValue(w.stSumAll), ship->Weights.TotalWeight);
        apply(form.get(), in, {{"seMines", &DesignInputs::Mines, 50}});
        QCOMPARE(boxValue(w.stSumAll), coreShip(in, turrets, mounts)->Weights.TotalWeight);

        w.lvTurrets->setCurrentItem(w.lvTurrets->topLevelItem(0));
        w.bnDeleteTurret->click();
        QCOMPARE(captions(w.lvTurrets), QStringList{"Y - Aft"});
        QCOMPARE(boxValue(w.stSumAll), coreShip(in, {{'Y', 2}}, mounts)->Weights.TotalWeight);
        w.lvTorpedoes->setCurrentItem(w.lvTorpedoes->topLevelItem(0));
        w.bnDeleteTorpMount->click();
        QVERIFY(form->DesignShip()->TorpedoMounts.empty() && w.lvTorpedoes->topLevelItemCount() == 0);
        QCOMPARE(boxValue(w.stSumAll), coreShip(in, {{'Y', 2}})->Weights.TotalWeight);
        QVERIFY(messages.recorded.empty());

        messages.answerNext(false);
        w.bnClearTurrets->click();
        QCOMPARE(w.lvTurrets->topLevelItemCount(), 1);
        messages.answerNext(true);
        w.bnClearTurrets->click();
        QVERIFY(form->DesignShip()->Turrets.empty());
        QCOMPARE(messages.texts(), (std::vector<std::string>{"Clear all turrets?", "Clear all turrets?"}));
    }

    void overweightByOneTonTurnsTotalAndSpareRed() {
        // Find through the core an armour choice that weighs 10001 t on 10000 t.
        DesignInputs in = openingInputs();
        std::optional<std::array<int, 3>> hit;
        {
            platform::ScopedRecordingMessages quiet;
            for (int b = 0; b < 33 && !hit; ++b)
                for (int be = 0; be < 33 && !hit; ++be)
                    for (int ct = 0; ct < 33 && !hit; ++ct) {
                        in.B = b, in.BE = be, in.CT = ct;
                        if (coreShip(in)->Weights.TotalWeight == 10001) hit = std::array<int, 3>{b, be, ct};
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
        QCOMPARE(w.stSpare->text(), QStringLiteral("-1"));
        QCOMPARE(w.stSumAll->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(w.stSpare->palette().color(QPalette::WindowText), QColor(Qt::red));
        w.seDisplacement->setValue(10500); // room again: back to black
        QCOMPARE(w.stSpare->palette().color(QPalette::WindowText), QColor(Qt::black));
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
        QCOMPARE(d->value(), 3600); // 4100 is still above 4000
        QCOMPARE(d->singleStep(), 100);
        d->setValue(5000);
        form->Widgets().seSpeed->setValue(20);
        QCOMPARE(d->singleStep(), 500);
    }
};

SHIP_GUI_TEST(DesignerFormTests)
#include "DesignerFormTests.moc"
