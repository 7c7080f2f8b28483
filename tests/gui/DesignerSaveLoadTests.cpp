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
    void LoadDisplayShip(const std::string& path, platform::Messages&) override { loaded.push_back(path); }
};

} // namespace

// Every test starts with a shown form on a scratch program directory.
class DesignerSaveLoadTests : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramDir> dir;
    std::unique_ptr<TfrmDesignMain> form;
    DesignFormWidgets* w = nullptr;

    // Nation, type and name: what Save asks for.
    void makeSavable(const QString& name) {
        w->cbNation->setCurrentIndex(0);
        w->cbType->setCurrentIndex(0);
        w->edName->setText(name);
    }
    std::string savePath(const std::string& name) const { return DesignSavePath(dir->path(), name); }

private slots:
    void init() {
        dir = std::make_unique<TempProgramDir>();
        form = openForm(dir->path());
        QVERIFY(form);
        w = &form->Widgets();
    }
    void cleanup() { form.reset(), dir.reset(); }

    // Refused saves first, then the save that puts B and X behind the others, then an overwrite.
    void saveRefusesReordersAndAsksBeforeOverwriting() {
        platform::ScopedRecordingMessages messages;
        w->bnSave->click();
        w->cbNation->setCurrentIndex(2);
        w->bnSave->click();
        w->cbType->setCurrentIndex(3);
        w->edName->setText(QStringLiteral("  "));
        w->bnSave->click();
        // A name that cannot be a file name is refused before the turrets are reordered.
        for (char letter : {'A', 'B', 'X', 'Y'}) addTurret(*form, letter, 2);
        w->edName->setText(QStringLiteral("Bad/Name"));
        w->bnSave->click();
        const auto problem = ClassNameProblem("Bad/Name");
        QVERIFY(problem);
        QCOMPARE(messages.texts(), (std::vector<std::string>{"Ship must belong to a nation!", "Ship must have a type!",
                                                             "Class must have a name!", *problem}));
        QVERIFY(dir->customFilesEmpty());
        QCOMPARE(captions(w->lvTurrets),
                 (QStringList{"A - Forward", "B - Forward superimposed", "X - Aft superimposed", "Y - Aft"}));

        messages.clear();
        w->edName->setText(QStringLiteral("Orion"));
        w->bnSave->click();
        const std::string path = savePath("Orion"), first = readFile(path);
        QCOMPARE(messages.texts(), std::vector<std::string>{savedText("Orion", path)});
        QCOMPARE(captions(w->lvTurrets),
                 (QStringList{"A - Forward", "Y - Aft", "X - Aft superimposed", "B - Forward superimposed"}));
        for (auto [n, letter] : std::vector<std::pair<int, char>>{{0, 'A'}, {1, 'Y'}, {2, 'X'}, {3, 'B'}}) {
            const std::string section = "[Turret" + std::to_string(n) + "]\r\nGuns=2\r\nPos=" + letter + "\r\n";
            QVERIFY2(first.find(section) != std::string::npos, section.c_str());
        }
        QVERIFY(first.find("[Superstructure0]") == std::string::npos); // no ship displayed

        messages.clear();
        w->seDisplacement->setValue(26000);
        messages.answerNext(false);
        w->bnSave->click();
        const std::string question = "Class exists!\rFile: " + path + "\r Overwrite?";
        QCOMPARE(messages.recorded,
                 (std::vector<platform::RecordedMessage>{{platform::MessageKind::Confirm, question}}));
        QCOMPARE(readFile(path), first);
        QCOMPARE(w->seDisplacement->value(), 26000);
        messages.clear();
        messages.answerNext(true);
        w->bnSave->click();
        QCOMPARE(messages.texts(), (std::vector<std::string>{question, savedText("Orion", path)}));
        QVERIFY(readFile(path).find("Displacement=26000\r\n") != std::string::npos);
    }

    // A trailing blank in the class name survives the round trip, and so does the picture's file name.
    void firstSaveShowsWhatALaterLoadShows() {
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        makeSavable(QStringLiteral("Minotaur "));
        dialogs.answers.push_back(dir->customFile("Lion 1912.jpg"));
        w->bnSelPic->click();
        QCOMPARE(w->edPicName->text(), QStringLiteral("Lion 1912.jpg"));
        w->seDisplacement->setValue(14600);
        w->seSpeed->setValue(23);
        w->cbB->setCurrentIndex(12);
        w->cbTorpType->setCurrentIndex(w->cbTorpType->count() - 1);
        w->stFunnelPos[0]->setText(QStringLiteral("-40"));
        w->cbFunnelOval[1]->setChecked(true);
        w->cbClosed[2]->setChecked(true);
        addTurret(*form, 'A', 2);
        addMount(*form, 'F', 1);
        w->bnSave->click();
        const std::string path = dir->customFile("Minotaur .sdf");
        QVERIFY(QFileInfo::exists(QString::fromStdString(path)));
        const DesignInputs afterSave = form->Inputs();
        const QString total = w->stSumAll->text();

        w->edName->setText(QStringLiteral("Other"));
        dialogs.answers.push_back(path);
        messages.saveAnswers.push_back(platform::SaveChoice::Discard);
        w->bnLoadCust->click();
        QCOMPARE(dialogs.requests.back().startDirectory, platform::resolvePath(dir->path() + "Custom Files"));
        QCOMPARE(w->edName->text(), QStringLiteral("Minotaur "));
        QCOMPARE(DesignFileLines(form->Inputs(), *form->DesignShip(), nullptr),
                 DesignFileLines(afterSave, *form->DesignShip(), nullptr));
        QCOMPARE(w->stSumAll->text(), total);
    }

    void loadReadsASampleDesignAsTheCoreDoes() {
        const QStringList samples = QDir(QString::fromStdString(programDir() + "Designs"))
                                        .entryList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name);
        if (samples.isEmpty()) QSKIP("no sample designs");
        form = openForm();
        w = &form->Widgets();
        platform::ScopedRecordingMessages messages;
        ScriptedFileDialogs dialogs;
        const std::string path = programDir() + "Designs/" + samples.last().toStdString();

        DesignInputs expected = form->Inputs();
        dialogs.answers.push_back(path);
        w->bnLoad->click();
        TDesignShip ship(form->Data());
        ship.ClearSpecials();
        (void)LoadDesignInto(path, expected, ship);
        QCOMPARE(w->edName->text().toStdString(), expected.Name);
        QCOMPARE(DesignFileLines(form->Inputs(), *form->DesignShip(), nullptr),
                 DesignFileLines(expected, ship, nullptr));
        QCOMPARE(boxValue(w->stSumAll), ship.Weights.TotalWeight);
    }

    void failedSaveKeepsTheDesignOnScreen() {
        QVERIFY(QDir(QString::fromStdString(dir->path() + "Custom Files")).removeRecursively());
        platform::ScopedRecordingMessages messages;
        makeSavable(QStringLiteral("Tiger"));
        w->seDisplacement->setValue(28000);
        addTurret(*form, 'A', 2);
        w->bnSave->click();
        QCOMPARE(messages.recorded.size(), size_t(1));
        QVERIFY(messages.texts()[0].rfind("Error saving file " + savePath("Tiger"), 0) == 0);
        QCOMPARE(w->seDisplacement->value(), 28000);
        QCOMPARE(w->lvTurrets->topLevelItemCount(), 1);
    }

    void planEditorTakesPartInSaveAndLoad() {
        platform::ScopedRecordingMessages messages;
        auto owned = std::make_unique<FakePlanEditor>();
        FakePlanEditor* editor = owned.get();
        form->SetPlanEditor(std::move(owned));
        makeSavable(QStringLiteral("Nevada"));
        w->bnSave->click(); // nothing displayed: read back, then shown
        const std::string path = savePath("Nevada");
        QCOMPARE(editor->loaded, std::vector<std::string>{path});
        QVERIFY(!editor->storedLines);

        editor->displayed = true;
        w->cbClosed[1]->setChecked(true);
        messages.answerNext(true);
        w->bnSave->click(); // displayed: Line boxes handed over, no read back
        QCOMPARE(editor->storedLines, (std::optional<std::array<bool, 4>>{{false, true, false, false}}));
        QCOMPARE(editor->loaded.size(), size_t(1));
        const std::string file = readFile(path);
        QVERIFY(file.find("[Superstructure0]\r\nPoint0Angle=1000\r\nPoint0Distance=2000\r\n") != std::string::npos);
        QVERIFY(file.find("[Superstructure1]") != std::string::npos);
    }
    // A save through the form reads back in sdftool with the figures the form shows.
    void savedFileReadsBackTheSameInSdftool() {
        platform::ScopedRecordingMessages messages;
        makeSavable(QStringLiteral("Hood"));
        const std::pair<const char*, int> settings[] = {
            {"seDisplacement", 41000}, {"seSpeed", 31}, {"cbB", 24},           {"cbD", 6},           {"cbT", 30},
            {"seMainCal", 15},         {"seSecCal", 5}, {"seSecondaries", 12}, {"cbFireControl", 4}, {"cbTPS", 3}};
        for (auto [name, value] : settings) {
            QWidget* c = form->findChild<QWidget*>(QLatin1String(name));
            if (auto* spin = qobject_cast<QSpinBox*>(c)) spin->setValue(value);
            else static_cast<QComboBox*>(c)->setCurrentIndex(value);
        }
        for (char letter : {'A', 'B', 'X', 'Y'}) addTurret(*form, letter, 2);
        addMount(*form, 'F', 2);
        w->bnSave->click();

        QProcess tool;
        tool.start(QStringLiteral(SDFTOOL_PATH),
                   {QStringLiteral("report"), QStringLiteral("--data"), QString::fromStdString(dir->path()),
                    QString::fromStdString(savePath("Hood"))});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QJsonObject r = QJsonDocument::fromJson(tool.readAllStandardOutput().split('\n').first()).object();
        QCOMPARE(r.value(QStringLiteral("ClassName")).toString(), QStringLiteral("Hood"));
        const std::vector<std::pair<const char*, QLabel*>> pairs = {{"HullWeight", w->stHull},
                                                                    {"Horsepower", w->stHp},
                                                                    {"MachineryWeight", w->stMachineryWeight},
                                                                    {"WeightB", w->stB},
                                                                    {"WeightD", w->stD},
                                                                    {"ArmorWeight", w->stSumArmor},
                                                                    {"SecondaryWeight", w->stSecWeight},
                                                                    {"ArmamentWeight", w->stArmamentWeight},
                                                                    {"TPSWeight", w->stTPSweight},
                                                                    {"FireControlWeight", w->stFireControl},
                                                                    {"Complement", w->stCrew},
                                                                    {"AccommodationSpace", w->stAccomodation},
                                                                    {"TotalWeight", w->stSumAll},
                                                                    {"Spare", w->stSpare}};
        for (const auto& [key, box] : pairs) QVERIFY2(r.value(QLatin1String(key)).toInt() == boxValue(box), key);
        const QJsonArray turrets = r.value(QStringLiteral("Turrets")).toArray();
        QCOMPARE(turrets.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QTreeWidgetItem* row = w->lvTurrets->topLevelItem(i);
            QCOMPARE(turrets[i].toObject().value(QStringLiteral("Position")).toString(), row->text(0).left(1));
            QCOMPARE(turrets[i].toObject().value(QStringLiteral("Weight")).toInt(), row->text(2).toInt());
        }
    }
};

SHIP_GUI_TEST(DesignerSaveLoadTests)
#include "DesignerSaveLoadTests.moc"
