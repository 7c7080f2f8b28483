// Save, load and picture commands of the design form, driven through its
// buttons with messages and file dialogs answered by the test.
#include "DesignerTestSupport.h"
#include "GuiTestRegistry.h"

#include "designfile/DesignFile.h"
#include "platform/Paths.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace designertest;

namespace {

std::string savedText(const std::string& name, const std::string& path) {
    return "Ship design " + name + " saved to file: " + path;
}

// Nation, type and name: what Save asks for.
void makeSavable(TfrmDesignMain& form, const QString& name) {
    DesignFormWidgets& w = form.Widgets();
    w.cbNation->setCurrentIndex(0);
    w.cbType->setCurrentIndex(0);
    w.edName->setText(name);
}

// Stands in for the plan editor and records what the form tells it.
class FakePlanEditor : public TPlanEditorHook {
public:
    bool displayed = false;
    std::vector<std::string> loaded;
    std::optional<std::array<bool, 4>> storedLines;
    bool HasDisplayShip() const override { return displayed; }
    void StoreLineFlags(const std::array<bool, 4>& isLine) override { storedLines = isLine; }
    std::optional<DesignOutlines> DisplayShipOutlines() const override {
        if (!displayed) return std::nullopt;
        DesignOutlines o;
        o.Superstructure[0][0] = {1000, 2000};
        o.IsLine = storedLines.value_or(std::array<bool, 4>{});
        return o;
    }
    void LoadDisplayShip(const std::string& path) override { loaded.push_back(path); }
};

} // namespace

class DesignerSaveLoadTests : public QObject {
    Q_OBJECT
private slots:
    void saveChecksNationTypeAndName() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        w.bnSave->click();
        w.cbNation->setCurrentIndex(2);
        w.bnSave->click();
        w.cbType->setCurrentIndex(3);
        w.edName->setText(QStringLiteral("  "));
        w.bnSave->click();
        QCOMPARE(messages.texts(), (std::vector<std::string>{"Ship must belong to a nation!", "Ship must have a type!",
                                                             "Class must have a name!"}));
        QVERIFY(QDir(QString::fromStdString(dir.path() + "Custom Files")).isEmpty());
    }

    void nameThatCannotBeAFileNameIsRefusedBeforeAnythingChanges() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        for (char letter : {'A', 'B', 'X', 'Y'}) addTurret(*form, letter, 2);
        makeSavable(*form, QStringLiteral("Bad/Name"));
        form->Widgets().bnSave->click();
        const auto problem = ClassNameProblem("Bad/Name");
        QVERIFY(problem);
        QCOMPARE(messages.texts(), std::vector<std::string>{*problem});
        QVERIFY(QDir(QString::fromStdString(dir.path() + "Custom Files")).isEmpty());
        QCOMPARE(captions(form->Widgets().lvTurrets),
                 (QStringList{"A - Forward", "B - Forward superimposed", "X - Aft superimposed", "Y - Aft"}));
    }

    void saveMovesBAndXBehindTheOthers() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        for (char letter : {'A', 'B', 'X', 'Y'}) addTurret(*form, letter, 2);
        makeSavable(*form, QStringLiteral("Orion"));
        form->Widgets().bnSave->click();
        const std::string path = DesignSavePath(dir.path(), "Orion");
        QCOMPARE(messages.texts(), std::vector<std::string>{savedText("Orion", path)});
        QCOMPARE(captions(form->Widgets().lvTurrets),
                 (QStringList{"A - Forward", "Y - Aft", "X - Aft superimposed", "B - Forward superimposed"}));
        const std::string file = readFile(path);
        for (auto [n, letter] : std::vector<std::pair<int, char>>{{0, 'A'}, {1, 'Y'}, {2, 'X'}, {3, 'B'}}) {
            const std::string section = "[Turret" + std::to_string(n) + "]\r\nGuns=2\r\nPos=" + letter + "\r\n";
            QVERIFY2(file.find(section) != std::string::npos, section.c_str());
        }
        QVERIFY(file.find("[Superstructure0]") == std::string::npos);  // no ship displayed
    }

    void overwriteAsksAndCancelWritesNothing() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        makeSavable(*form, QStringLiteral("Lion"));
        form->Widgets().bnSave->click();
        const std::string path = DesignSavePath(dir.path(), "Lion");
        const std::string first = readFile(path);
        QVERIFY(!first.empty());
        messages.clear();

        form->Widgets().seDisplacement->setValue(26000);
        messages.answerNext(false);
        form->Widgets().bnSave->click();
        const std::string question = "Class exists!\rFile: " + path + "\r Overwrite?";
        QCOMPARE(messages.recorded,
                 (std::vector<platform::RecordedMessage>{{platform::MessageKind::Confirm, question}}));
        QCOMPARE(readFile(path), first);
        QCOMPARE(form->Widgets().seDisplacement->value(), 26000);

        messages.clear();
        messages.answerNext(true);
        form->Widgets().bnSave->click();
        QCOMPARE(messages.texts(), (std::vector<std::string>{question, savedText("Lion", path)}));
        QVERIFY(readFile(path).find("Displacement=26000\r\n") != std::string::npos);
    }

    void trailingBlankInTheClassNameSurvivesTheRoundTrip() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        makeSavable(*form, QStringLiteral("Dreadnought "));
        form->Widgets().bnSave->click();
        const std::string path = dir.customFile("Dreadnought .sdf");
        QVERIFY(QFileInfo::exists(QString::fromStdString(path)));
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Dreadnought "));

        form->Widgets().edName->setText(QStringLiteral("Other"));
        dialogs.answers.push_back(path);
        form->Widgets().bnLoadCust->click();
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Dreadnought "));
        QCOMPARE(form->windowTitle(), QStringLiteral("Ship design - Dreadnought"));
        QCOMPARE(dialogs.requests.size(), size_t(1));
        const platform::OpenFileRequest& r = dialogs.requests[0];
        QCOMPARE(r.filter, std::string("Ship design files (sdf)|*.sdf"));
        QCOMPARE(r.defaultExtension, std::string("sdf"));
        QCOMPARE(r.startDirectory, platform::resolvePath(dir.path() + "Custom Files"));
        QVERIFY(r.existingOnly);
    }

    void firstSaveShowsWhatALaterLoadShows() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        DesignFormWidgets& w = form->Widgets();
        makeSavable(*form, QStringLiteral("Minotaur"));
        w.seDisplacement->setValue(14600);
        w.seSpeed->setValue(23);
        w.cbB->setCurrentIndex(12);
        w.cbTorpType->setCurrentIndex(w.cbTorpType->count() - 1);
        w.stFunnelPos[0]->setText(QStringLiteral("-40"));
        w.cbFunnelOval[1]->setChecked(true);
        w.cbClosed[2]->setChecked(true);
        addTurret(*form, 'A', 2);
        addMount(*form, 'F', 1);
        w.bnSave->click();
        const DesignInputs afterSave = form->Inputs();
        QCOMPARE(afterSave.FunnelPos[0], std::string("-40"));
        QVERIFY(afterSave.FunnelOval[1]);
        // Line flags travel with the displayed ship's outlines, and there was
        // none to write at the first save.
        QVERIFY(!afterSave.OutlineIsLine[2]);
        const QString total = w.stSumAll->text();

        dialogs.answers.push_back(DesignSavePath(dir.path(), "Minotaur"));
        w.bnLoadCust->click();
        const DesignInputs afterLoad = form->Inputs();
        QCOMPARE(DesignFileLines(afterLoad, *form->DesignShip(), nullptr),
                 DesignFileLines(afterSave, *form->DesignShip(), nullptr));
        QCOMPARE(w.stSumAll->text(), total);
        QCOMPARE(captions(w.lvTurrets), QStringList{"A - Forward"});
        QCOMPARE(captions(w.lvTorpedoes), QStringList{"F"});
    }

    void loadReadsASampleDesignAsTheCoreDoes() {
        const QStringList samples = QDir(QString::fromStdString(programDir() + "Designs"))
                                        .entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name);
        if (samples.isEmpty()) QSKIP("no sample designs");
        auto form = openForm();
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        const std::string path = programDir() + "Designs/" + samples.last().toStdString();

        const DesignInputs before = form->Inputs();
        form->Widgets().bnLoad->click();  // cancelled: nothing changes
        QCOMPARE(DesignFileLines(form->Inputs(), *form->DesignShip(), nullptr),
                 DesignFileLines(before, *form->DesignShip(), nullptr));
        QCOMPARE(dialogs.requests[0].startDirectory, platform::resolvePath(programDir() + "Designs"));

        dialogs.answers.push_back(path);
        form->Widgets().bnLoad->click();
        DesignInputs expected = before;
        TDesignShip ship;
        ship.ClearSpecials();
        LoadDesignInto(path, expected, ship);
        QCOMPARE(form->Widgets().edName->text().toStdString(), expected.Name);
        QCOMPARE(DesignFileLines(form->Inputs(), *form->DesignShip(), nullptr), DesignFileLines(expected, ship, nullptr));
        QCOMPARE(boxValue(form->Widgets().stSumAll), ship.TotalWeight);
        QCOMPARE(form->Widgets().lvTurrets->topLevelItemCount(), static_cast<int>(ship.Turrets.size()));
        // The displacement step follows the loaded displacement.
        QCOMPARE(form->Widgets().seDisplacement->singleStep(), expected.Displacement > 4000 ? 500 : 100);
    }

    void pictureChooserKeepsTheFileNameOnly() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(dir.customFile("Lion 1912.jpg"));
        form->Widgets().bnSelPic->click();
        QCOMPARE(form->Widgets().edPicName->text(), QStringLiteral("Lion 1912.jpg"));
        QCOMPARE(dialogs.requests[0].filter, std::string("Picture files|*.jpg;*.bmp"));
        QCOMPARE(dialogs.requests[0].startDirectory, platform::resolvePath(dir.path() + "Custom Files"));
        form->Widgets().bnSelPic->click();  // cancelled
        QCOMPARE(form->Widgets().edPicName->text(), QStringLiteral("Lion 1912.jpg"));
    }

    void failedSaveKeepsTheDesignOnScreen() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        QVERIFY(QDir(QString::fromStdString(dir.path() + "Custom Files")).removeRecursively());
        platform::ScopedRecordingMessages messages;
        makeSavable(*form, QStringLiteral("Tiger"));
        form->Widgets().seDisplacement->setValue(28000);
        addTurret(*form, 'A', 2);
        form->Widgets().bnSave->click();
        QCOMPARE(messages.recorded.size(), size_t(1));
        QVERIFY(messages.texts()[0].rfind("Error saving file " + DesignSavePath(dir.path(), "Tiger"), 0) == 0);
        QCOMPARE(form->Widgets().seDisplacement->value(), 28000);
        QCOMPARE(form->Widgets().lvTurrets->topLevelItemCount(), 1);
        QCOMPARE(form->Widgets().edName->text(), QStringLiteral("Tiger"));
    }

    void planEditorTakesPartInSaveAndLoad() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        auto owned = std::make_unique<FakePlanEditor>();
        FakePlanEditor* editor = owned.get();
        form->SetPlanEditor(std::move(owned));
        makeSavable(*form, QStringLiteral("Nevada"));
        form->Widgets().bnSave->click();  // nothing displayed: read back, then shown
        const std::string path = DesignSavePath(dir.path(), "Nevada");
        QCOMPARE(editor->loaded, std::vector<std::string>{path});
        QVERIFY(!editor->storedLines);

        editor->displayed = true;
        form->Widgets().cbClosed[1]->setChecked(true);
        messages.answerNext(true);
        form->Widgets().bnSave->click();  // displayed: Line boxes handed over, no read back
        QVERIFY(editor->storedLines);
        QCOMPARE(*editor->storedLines, (std::array<bool, 4>{false, true, false, false}));
        QCOMPARE(editor->loaded.size(), size_t(1));
        const std::string file = readFile(path);
        QVERIFY(file.find("[Superstructure0]\r\nPoint0Angle=1000\r\nPoint0Distance=2000\r\n") != std::string::npos);
        QVERIFY(file.find("[Superstructure1]") != std::string::npos);
    }

    void savedFileReadsBackTheSameInSdftool() {
        TempProgramDir dir;
        auto form = openForm(dir.path());
        QVERIFY(form);
        platform::ScopedRecordingMessages messages;
        DesignFormWidgets& w = form->Widgets();
        makeSavable(*form, QStringLiteral("Hood"));
        w.seDisplacement->setValue(41000);
        w.seSpeed->setValue(31);
        w.cbB->setCurrentIndex(24);
        w.cbD->setCurrentIndex(6);
        w.cbT->setCurrentIndex(30);
        w.seMainCal->setValue(15);
        w.seSecCal->setValue(5);
        w.seSecondaries->setValue(12);
        w.cbFireControl->setCurrentIndex(4);
        w.cbTPS->setCurrentIndex(3);
        for (char letter : {'A', 'B', 'X', 'Y'}) addTurret(*form, letter, 2);
        addMount(*form, 'F', 2);
        w.bnSave->click();
        const std::string path = DesignSavePath(dir.path(), "Hood");

        QProcess tool;
        tool.start(QStringLiteral(SDFTOOL_PATH), {QStringLiteral("report"), QStringLiteral("--data"),
                                                  QString::fromStdString(dir.path()), QString::fromStdString(path)});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QJsonObject r = QJsonDocument::fromJson(tool.readAllStandardOutput().split('\n').first()).object();
        QCOMPARE(r.value(QStringLiteral("ClassName")).toString(), QStringLiteral("Hood"));
        const std::vector<std::pair<const char*, QLabel*>> pairs = {
            {"HullWeight", w.stHull}, {"Horsepower", w.stHp}, {"MachineryWeight", w.stMachineryWeight},
            {"WeightB", w.stB}, {"WeightD", w.stD}, {"ArmorWeight", w.stSumArmor},
            {"SecondaryWeight", w.stSecWeight}, {"ArmamentWeight", w.stArmamentWeight},
            {"TPSWeight", w.stTPSweight}, {"FireControlWeight", w.stFireControl}, {"Complement", w.stCrew},
            {"AccommodationSpace", w.stAccomodation}, {"TotalWeight", w.stSumAll}, {"Spare", w.StaticText4}};
        for (const auto& [key, box] : pairs) QVERIFY2(r.value(QLatin1String(key)).toInt() == boxValue(box), key);
        QCOMPARE(r.value(QStringLiteral("Data")).toObject().value(QStringLiteral("Displacement")).toInt(), 41000);
        const QJsonArray turrets = r.value(QStringLiteral("Turrets")).toArray();
        QCOMPARE(turrets.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const QJsonObject t = turrets[i].toObject();
            QTreeWidgetItem* row = w.lvTurrets->topLevelItem(i);
            QCOMPARE(t.value(QStringLiteral("Position")).toString(), row->text(0).left(1));
            QCOMPARE(t.value(QStringLiteral("Weight")).toInt(), row->text(2).toInt());
        }
    }
};

SHIP_GUI_TEST(DesignerSaveLoadTests)
#include "DesignerSaveLoadTests.moc"
