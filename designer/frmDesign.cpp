#include "designer/frmDesign.h"

#include "combat/FightShip.h"
#include "combat/Readiness.h"
#include "designer/DesignCheckList.h"
#include "designer/DesignerSettings.h"
#include "designer/FormBinding.h"
#include "designer/FormControls.h"
#include "designer/FormMenus.h"
#include "designer/FormWindows.h"
#include "designer/PlanEditor.h"
#include "designfile/DesignCheck.h"
#include "designfile/DesignFile.h"
#include "designfile/qt/DesignSource.h"
#include "map/qt/MapControl.h"
#include "nations/Nations.h"
#include "platform/DayNumber.h"
#include "platform/Encoding.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Round.h"
#include "platform/qt/QtMessages.h"
#include "sheets/qt/ShareCommands.h"
#include "status/ShipStatus.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using platform::fromQ;
using platform::toQ;

namespace {

// Position letters are Windows-1252 characters held as single bytes.
std::string positionText(TurretPosition p) { return platform::cp1252ToUtf8(std::string_view(&p, 1)); }

void showNumber(QLabel* box, std::int64_t value) { box->setText(QString::number(value)); }

// part / total as a whole percentage; a ship weighing nothing has no share.
QString percentText(std::int32_t part, std::int32_t total) {
    const std::int64_t pc = total == 0 ? 0 : platform::Round(static_cast<long double>(part) / total * 100);
    return QString::number(pc) + QLatin1Char('%');
}

void setFontColour(QLabel* box, const QColor& colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, colour);
    box->setPalette(pal);
}

QTreeWidgetItem* listRow(QTreeWidget* list, const std::string& caption, std::int32_t count, std::int32_t weight) {
    auto* row = new QTreeWidgetItem(list);
    row->setText(0, toQ(caption));
    row->setText(1, QString::number(count));
    row->setText(2, QString::number(weight));
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

// The item of the selected row out of the document's list: rows follow the list's order.
bool eraseSelected(QTreeWidget* rows, std::vector<DesignItem>& list) {
    const auto selected = rows->selectedItems();
    const int at = selected.isEmpty() ? -1 : rows->indexOfTopLevelItem(selected.first());
    if (at < 0 || at >= static_cast<int>(list.size())) return false;
    list.erase(list.begin() + at);
    return true;
}

} // namespace

TfrmDesignMain::TfrmDesignMain(const ProgramData& data, bool loaded, const std::string& programDir, QWidget* parent)
    : QMainWindow(parent), data_(data), startupOk_(loaded) {
    setObjectName(QStringLiteral("frmDesignMain"));
    setWindowTitle(QStringLiteral("Ship design"));
    // On a small screen the form scrolls rather than letting groups overlap.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrDesign"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget(scroll);
    central->setObjectName(QStringLiteral("pnlDesign"));
    BuildDesignFormWidgets(central, W);
    scroll->setWidget(central);
    setCentralWidget(scroll);
    statusBar()->setObjectName(QStringLiteral("sbStatus"));
    resize(1025, 795);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // Never taller or wider than the screen (room kept for a title bar);
        // the form scrolls instead.
        resize(size().boundedTo(screen->availableGeometry().size() - QSize(0, 32)));
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    programDir_ = programDir.empty() ? platform::defaultProgramDir() : programDir;
    if (programDir_.back() != '/' && programDir_.back() != '\\') programDir_.push_back('/');
    ChooseCustomFilesRoot();
    FormCreate();
    // The opening design is what the new controls hold.
    document_.Inputs = ReadInputs(W);
    source_ = new TDesignSource(document_, data_.Weapons, this);
    BindDocument();
    ConnectControls();
    UpdateDisplacementStep();
    SetPlanEditor(std::make_unique<TPlanEditor>(*this));
    history_ = new TDesignHistory([this] { return TakeSnapshot(); },
                                  [this](const DesignSnapshot& state) { RestoreSnapshot(state); }, this);
    shareCommands_ = NewShareCommands(*this);
    BuildFormMenus(*this, history_->Stack());
    ConnectHistory();
    ConnectCommands();
    FitToScreen();
    designersettings::RestoreGeometry(*this);
}

// The whole form where the screen has room for it (every group is in place
// by now); on a smaller screen the form scrolls.
void TfrmDesignMain::FitToScreen() {
    auto* scroll = qobject_cast<QScrollArea*>(centralWidget());
    if (!scroll || !scroll->widget()) return;
    const QSize form = scroll->widget()->sizeHint();
    const int chrome =
        menuBar()->sizeHint().height() + (statusBar()->isVisible() ? statusBar()->sizeHint().height() : 0);
    QSize wanted = size().expandedTo(
        QSize(form.width() + scroll->verticalScrollBar()->sizeHint().width(), form.height() + chrome));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(0, 32));
        resize(wanted);
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TfrmDesignMain::~TfrmDesignMain() = default;

void TfrmDesignMain::FormCreate() {
    if (!startupOk_) return; // the lists stay empty; the form still opens
    for (int n = 0; n <= MaxNation; ++n) W.cbNation->addItem(toQ(data_.Nations[static_cast<size_t>(n)].Name));
    W.cbNation->setCurrentIndex(-1);
    for (const std::string& item : TorpedoTypeItems(data_.Weapons)) W.cbTorpType->addItem(toQ(item));
    W.cbTorpType->setCurrentIndex(-1);
    for (QComboBox* list : W.ArmourLists()) list->setCurrentIndex(0);
}

void TfrmDesignMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmDesignMain::FormShow() {
    designShip_ = std::make_unique<TDesignShip>(data_);
    designShip_->ClearSpecials();
    DesignInputs& in = document_.Inputs;
    for (int* list : {&in.TerTF, &in.SecTF, &in.Freeboard, &in.BeltCoverage, &in.Accomodation, &in.TPS, &in.FuelType})
        *list = 0;
    in.Range = 1;
    in.Mines = 0;
    ShowDocument();
    // The boxes show the figures of the opening inputs rather than zeros.
    Recompute();
    history_->Reset();
}

void TfrmDesignMain::BindDocument() {
    OnInputEdited(W, this, [this] { document_.Inputs = ReadInputs(W); });
}

void TfrmDesignMain::ShowDocument() {
    WriteInputs(document_.Inputs, W);
    document_.Inputs = ReadInputs(W);
    UpdateDisplacementStep();
}

void TfrmDesignMain::EditDocument(const std::function<void(DesignDocument&)>& edit) {
    edit(document_);
    ShowDocument();
}

void TfrmDesignMain::ConnectControls() {
    auto recompute = [this] { Recompute(); };
    connect(W.seDisplacement, &QSpinBox::valueChanged, this, &TfrmDesignMain::DisplacementChange);
    connect(W.seSpeed, &QSpinBox::valueChanged, this, &TfrmDesignMain::DisplacementChange);
    for (QComboBox* list :
         {W.cbRange, W.cbFreeboard, W.cbFuelType, W.cbB, W.cbBeltCoverage, W.cbBE, W.cbD, W.cbDE, W.cbCT, W.cbT, W.cbTT,
          W.cbSEC, W.cbFireControl, W.cbSecTF, W.cbTerTF, W.cbTPS, W.cbAccomodation})
        connect(list, &QComboBox::currentIndexChanged, this, recompute);
    for (QCheckBox* box : {W.cbProtectedCruiser, W.cbCrossDeck}) connect(box, &QCheckBox::toggled, this, recompute);
    for (QSpinBox* spin : {W.seSecCal, W.seSecondaries, W.seTerCal, W.seTertiaries})
        connect(spin, &QSpinBox::valueChanged, this, recompute);
    connect(W.bnUpdateWeights, &QPushButton::clicked, this, recompute);
    connect(W.seMainCal, &QSpinBox::valueChanged, this, &TfrmDesignMain::MainCalibreUpdate);
    connect(W.seMines, &QSpinBox::valueChanged, this, &TfrmDesignMain::MainCalibreUpdate);
    connect(W.seTorpCal, &QSpinBox::valueChanged, this, recompute);
    connect(W.edName, &QLineEdit::textChanged, this, &TfrmDesignMain::UpdateTitle);
    // What Save asks for is part of the design check: it follows at once.
    auto recheck = [this] {
        if (designShip_) RefreshDesignCheck();
    };
    connect(W.edName, &QLineEdit::textChanged, this, recheck);
    for (QComboBox* list : {W.cbNation, W.cbType}) connect(list, &QComboBox::currentIndexChanged, this, recheck);

    connect(W.bnLoad, &QPushButton::clicked, this, &TfrmDesignMain::bnLoadClick);
    connect(W.bnLoadCust, &QPushButton::clicked, this, &TfrmDesignMain::bnLoadCustClick);
    connect(W.bnSave, &QPushButton::clicked, this, &TfrmDesignMain::bnSaveClick);
    connect(W.bnSelPic, &QPushButton::clicked, this, &TfrmDesignMain::bnSelPicClick);
    connect(W.bnAddTurret, &QPushButton::clicked, this, &TfrmDesignMain::bnAddTurretClick);
    connect(W.bnDeleteTurret, &QPushButton::clicked, this, &TfrmDesignMain::bnDeleteTurretClick);
    connect(W.bnClearTurrets, &QPushButton::clicked, this, &TfrmDesignMain::bnClearTurretsClick);
    connect(W.bnAddTorpMount, &QPushButton::clicked, this, &TfrmDesignMain::bnAddTorpMountClick);
    connect(W.bnDeleteTorpMount, &QPushButton::clicked, this, &TfrmDesignMain::bnDeleteTorpMountClick);
    connect(W.bnClearTorpMounts, &QPushButton::clicked, this, &TfrmDesignMain::bnClearTorpMountsClick);
    connect(W.bnExit, &QPushButton::clicked, this, &TfrmDesignMain::ExitClick);
}

TdlgAddTurret& TfrmDesignMain::AddTurretDialog() {
    if (!addTurretDialog_) addTurretDialog_ = new TdlgAddTurret(this);
    return *addTurretDialog_;
}

void TfrmDesignMain::SetPlanEditor(std::unique_ptr<TPlanEditorHook> editor) { planEditor_ = std::move(editor); }

void TfrmDesignMain::InstallMapCanvas(QWidget* canvas) {
    if (!canvas || canvas == W.planPlaceholder) return;
    if (W.planPlaceholder) {
        W.pnlPlanLayout->removeWidget(W.planPlaceholder);
        delete W.planPlaceholder;
    }
    canvas->setParent(W.pnlPlan);
    if (canvas->objectName().isEmpty()) canvas->setObjectName(QStringLiteral("Globe41"));
    W.pnlPlanLayout->addWidget(canvas);
    W.planPlaceholder = canvas;
}

void TfrmDesignMain::ConnectCommands() {
    connect(W.bnShipStatus, &QPushButton::clicked, this, &TfrmDesignMain::ShowShipStatus);
    connect(W.bnEngagement, &QPushButton::clicked, this, [this] { ShowEngagementPlanner(*this); });
    connect(W.bnProtection, &QPushButton::clicked, this, [this] { ShowProtection(*this); });
    connect(W.bnExplore, &QPushButton::clicked, this, [this] { ShowExplorer(*this); });
    connect(W.bnCompare, &QPushButton::clicked, shareCommands_, &TShareCommands::Compare);
    connect(W.bnCopySheet, &QPushButton::clicked, shareCommands_, &TShareCommands::CopySheet);
    connect(W.bnExportSheet, &QPushButton::clicked, shareCommands_, &TShareCommands::ExportSheet);
}

void TfrmDesignMain::EnableShipStatus() {
    const bool on = HasDisplayShip();
    W.bnShipStatus->setEnabled(on);
    if (auto* action = findChild<QAction*>(QStringLiteral("actShipStatus"))) action->setEnabled(on);
}

void TfrmDesignMain::ChooseCustomFilesRoot() {
    customFilesRoot_ = platform::customFilesRoot(programDir_);
    if (customFilesRoot_ != programDir_)
        statusBar()->showMessage(
            toQ("The program folder is read-only: designs are saved to " + customFilesRoot_ + "Custom Files"));
}

void TfrmDesignMain::SetShipStatusDialog(TdlgShipStatus* dialog) { shipStatusDialog_ = dialog; }

TdlgShipStatus& TfrmDesignMain::ShipStatusDialog() {
    if (!shipStatusDialog_) {
        shipStatusDialog_ = new TdlgShipStatus(data_, programDir_, customFilesRoot_, this);
        BindHelpKey(*shipStatusDialog_, data_.Weapons, "status");
    }
    return *shipStatusDialog_;
}

void TfrmDesignMain::ShowShipStatus() {
    auto* editor = dynamic_cast<TPlanEditor*>(planEditor_.get());
    TFightingShip* ship = editor ? editor->DisplayShip() : nullptr;
    if (!ship) return;
    // The ship leaves port with fuel and ammunition, at cruising speed.
    MakeReadyForBattle(*ship, Inputs().Range);
    ship->CurrentSpeed = kCruisingSpeed;
    // The designer's zero environment; the rules find ships on the plan view.
    BattleEnvironment env;
    env.Map = &editor->Canvas()->Map();
    ShipStatusDialog().ShowShipStatus(*ship, platform::todayDayNumber(), env);
}

bool TfrmDesignMain::HasDisplayShip() const { return planEditor_ && planEditor_->HasDisplayShip(); }

void TfrmDesignMain::Recompute() {
    if (!designShip_) return;
    ShowProblems(ApplyDocument(document_, *designShip_));
    RefreshTurretList();
    RefreshTorpedoList();
    WriteOutputs();
    RefreshDesignCheck();
    source_->Announce();
}

// The totals follow the turret weights at once; stale totals after a
// calibre change looked like a legal design that was not.
void TfrmDesignMain::MainCalibreUpdate() { Recompute(); }

void TfrmDesignMain::ShowProblems(const platform::Problems& problems) {
    if (heldForLoad_) platform::Report(problems, *heldForLoad_);
    else platform::Report(problems, platform::messages());
}

void TfrmDesignMain::RefreshDesignCheck() {
    std::vector<DesignProblem> problems = CheckDesign(document_.Inputs, *designShip_);
    problems.insert(problems.end(), loadedFileProblems_.begin(), loadedFileProblems_.end());
    FillDesignCheckList(W.lvDesignCheck, problems);
}

void TfrmDesignMain::UpdateDisplacementStep() {
    W.seDisplacement->setSingleStep(W.seDisplacement->value() > 4000 ? 500 : 100);
}

void TfrmDesignMain::DisplacementChange() {
    UpdateDisplacementStep();
    Recompute();
}

void TfrmDesignMain::UpdateTitle() {
    const QString name = toQ(document_.Inputs.Name).trimmed();
    QString title = name.isEmpty() ? QStringLiteral("Ship design") : QStringLiteral("Ship design - ") + name;
    if (IsModified()) title += QStringLiteral(" *");
    setWindowTitle(title);
}

void TfrmDesignMain::RefreshTurretList() {
    W.lvTurrets->clear();
    if (!designShip_) return;
    for (const auto& turret : designShip_->Turrets)
        listRow(W.lvTurrets, positionText(turret->Position) + " - " + TurretPositionName(turret->Position),
                turret->Guns, turret->Weight);
}

void TfrmDesignMain::RefreshTorpedoList() {
    W.lvTorpedoes->clear();
    if (!designShip_) return;
    for (const auto& mount : designShip_->TorpedoMounts)
        listRow(W.lvTorpedoes, positionText(mount->Position), mount->Tubes, mount->Weight);
}

void TfrmDesignMain::WriteOutputs() {
    const TDesignShip& ship = *designShip_;
    const TShipWeights& s = ship.Weights;
    showNumber(W.stHull, s.HullWeight);
    showNumber(W.stHp, ship.Horsepower);
    showNumber(W.stMachineryWeight, s.MachineryWeight);
    showNumber(W.stB, s.WeightB);
    showNumber(W.stBE, s.WeightBE);
    showNumber(W.stD, s.WeightD);
    showNumber(W.stDE, s.WeightDE);
    showNumber(W.stCT, s.WeightCT);
    showNumber(W.stArmamentWeight, s.ArmamentWeight);
    W.stArmPc->setText(percentText(s.ArmamentWeight, s.TotalWeight));
    showNumber(W.stSumArmor, s.ArmorWeight);
    W.stArmorPc->setText(percentText(s.ArmorWeight, s.TotalWeight));
    showNumber(W.stSpecialsWeight, s.SpecialsWeight);
    showNumber(W.stTPSweight, s.TPSWeight);
    showNumber(W.stFireControl, s.FireControlWeight);
    showNumber(W.stSecWeight, s.SecondaryWeight);
    showNumber(W.stTerWeight, s.TertiaryWeight);
    showNumber(W.stCrew, ship.Complement);
    showNumber(W.stAccomodation, s.AccommodationSpace);
    showNumber(W.stSumAll, s.TotalWeight);
    showNumber(W.stSpare, static_cast<std::int64_t>(ship.Displacement) - s.TotalWeight);
    showNumber(W.stTotalCost, s.TotalCost);
    const QColor colour = s.TotalWeight > ship.Displacement ? QColor(Qt::red) : QColor(Qt::black);
    setFontColour(W.stSumAll, colour);
    setFontColour(W.stSpare, colour);
}

// The dialog offers the positions the design ship has free.
void TfrmDesignMain::bnAddTurretClick() {
    if (!designShip_) return;
    if (auto turret = AddTurretDialog().ExecuteAddTurret(*designShip_)) {
        document_.Turrets.push_back({turret->Guns, turret->Position});
        Recompute();
        CommitStep(QStringLiteral("Add turret ") + toQ(positionText(turret->Position)));
    }
}

void TfrmDesignMain::bnAddTorpMountClick() {
    if (!designShip_) return;
    if (auto mount = AddTurretDialog().ExecuteAddMount(*designShip_)) {
        document_.Mounts.push_back({mount->Tubes, mount->Position});
        Recompute();
        CommitStep(QStringLiteral("Add mount ") + toQ(positionText(mount->Position)));
    }
}

// The totals follow a delete at once, as every other change.
void TfrmDesignMain::bnDeleteTurretClick() {
    if (!designShip_ || !eraseSelected(W.lvTurrets, document_.Turrets)) {
        platform::messages().notice("No turret selected!");
        return;
    }
    Recompute();
    CommitStep(QStringLiteral("Delete turret"));
}

void TfrmDesignMain::bnDeleteTorpMountClick() {
    if (!designShip_ || !eraseSelected(W.lvTorpedoes, document_.Mounts)) {
        platform::messages().notice("No mount selected!");
        return;
    }
    Recompute();
    CommitStep(QStringLiteral("Delete mount"));
}

void TfrmDesignMain::bnClearTurretsClick() {
    if (!designShip_ || !platform::messages().confirm("Clear all turrets?")) return;
    document_.Turrets.clear();
    Recompute();
    CommitStep(QStringLiteral("Clear turrets"));
}

void TfrmDesignMain::bnClearTorpMountsClick() {
    if (!designShip_ || !platform::messages().confirm("Clear all torpedo mounts?")) return;
    document_.Mounts.clear();
    Recompute();
    CommitStep(QStringLiteral("Clear mounts"));
}

void TfrmDesignMain::ExitClick() { close(); }
