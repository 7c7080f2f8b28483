#include "designer/frmDesign.h"

#include "designer/FormBinding.h"
#include "designer/PlanEditor.h"
#include "designer/ShareCommands.h"
#include "map/qt/MapControl.h"
#include "platform/DayNumber.h"
#include "status/ShipStatus.h"
#include "designfile/DesignFile.h"
#include "nations/Nations.h"
#include "platform/Encoding.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "platform/Round.h"
#include "platform/qt/QtMessages.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

using platform::fromQ;
using platform::toQ;

namespace {

constexpr int kLinkRole = Qt::UserRole;

// The hourglass while a file is written, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

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

QTreeWidgetItem* listRow(QTreeWidget* list, const std::string& caption, std::int32_t count, std::int32_t weight,
                         const void* linked) {
    auto* row = new QTreeWidgetItem(list);
    row->setText(0, toQ(caption));
    row->setText(1, QString::number(count));
    row->setText(2, QString::number(weight));
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(0, kLinkRole, QVariant::fromValue(reinterpret_cast<quintptr>(linked)));
    return row;
}

const void* linkedObject(const QTreeWidgetItem* row) {
    return reinterpret_cast<const void*>(row->data(0, kLinkRole).value<quintptr>());
}

// Takes the item `linked` out of an owning list.
template <class T>
void eraseLinked(std::vector<std::unique_ptr<T>>& list, const void* linked) {
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.get() == linked; });
    if (it != list.end()) list.erase(it);
}

} // namespace

TfrmDesignMain::TfrmDesignMain(const std::string& programDir, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmDesignMain"));
    setWindowTitle(QStringLiteral("Ship design"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlDesign"));
    setCentralWidget(central);
    BuildDesignFormWidgets(central, W);
    resize(1025, 795);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    ProgramDir_ = programDir.empty() ? platform::defaultProgramDir() : programDir;
    if (ProgramDir_.back() != '/' && ProgramDir_.back() != '\\') ProgramDir_.push_back('/');
    ChooseCustomFilesRoot();
    FormCreate();
    ConnectControls();
    UpdateDisplacementStep();
    SetPlanEditor(std::make_unique<TPlanEditor>(*this));
    AddShipStatusButton();
    AddShareCommands();
}

TfrmDesignMain::~TfrmDesignMain() = default;

void TfrmDesignMain::FormCreate() {
    StartupOk_ = LoadProgramData(ProgramDir_, Data_);
    if (!StartupOk_) return;  // the lists stay empty; the form still opens
    for (int n = 0; n <= MaxNation; ++n) W.cbNation->addItem(toQ(Data_.Nations[static_cast<size_t>(n)].Name));
    W.cbNation->setCurrentIndex(-1);
    for (const std::string& item : TorpedoTypeItems(Data_.Weapons)) W.cbTorpType->addItem(toQ(item));
    W.cbTorpType->setCurrentIndex(-1);
    for (QComboBox* list : W.ArmourLists()) list->setCurrentIndex(0);
}

void TfrmDesignMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
}

void TfrmDesignMain::FormShow() {
    DesignShip_ = std::make_unique<TDesignShip>(Data_);
    DesignShip_->ClearSpecials();
    for (QComboBox* list : {W.cbTerTF, W.cbSecTF, W.cbFreeboard, W.cbBeltCoverage, W.cbAccomodation, W.cbTPS,
                            W.cbFuelType}) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(0);
    }
    {
        const QSignalBlocker block(W.cbRange);
        W.cbRange->setCurrentIndex(1);
    }
    {
        const QSignalBlocker block(W.seMines);
        W.seMines->setValue(0);
    }
    // The boxes show the figures of the opening inputs rather than zeros.
    Recompute();
}

void TfrmDesignMain::ConnectControls() {
    auto recompute = [this] { Recompute(); };
    connect(W.seDisplacement, &QSpinBox::valueChanged, this, &TfrmDesignMain::DisplacementChange);
    connect(W.seSpeed, &QSpinBox::valueChanged, this, &TfrmDesignMain::DisplacementChange);
    for (QComboBox* list : {W.cbRange, W.cbFreeboard, W.cbFuelType, W.cbB, W.cbBeltCoverage, W.cbBE, W.cbD, W.cbDE,
                            W.cbCT, W.cbT, W.cbTT, W.cbSEC, W.cbFireControl, W.cbSecTF, W.cbTerTF, W.cbTPS,
                            W.cbAccomodation})
        connect(list, &QComboBox::currentIndexChanged, this, recompute);
    for (QCheckBox* box : {W.cbProtectedCruiser, W.cbCrossDeck}) connect(box, &QCheckBox::toggled, this, recompute);
    for (QSpinBox* spin : {W.seSecCal, W.seSecondaries, W.seTerCal, W.seTertiaries, W.seHullWS, W.seArmWS, W.seMachWS})
        connect(spin, &QSpinBox::valueChanged, this, recompute);
    connect(W.bnUpdateWeights, &QPushButton::clicked, this, recompute);
    connect(W.seMainCal, &QSpinBox::valueChanged, this, &TfrmDesignMain::MainCalibreUpdate);
    connect(W.seMines, &QSpinBox::valueChanged, this, &TfrmDesignMain::MainCalibreUpdate);
    connect(W.edName, &QLineEdit::textChanged, this, &TfrmDesignMain::UpdateTitle);

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
    if (!AddTurretDialog_) AddTurretDialog_ = new TdlgAddTurret(this);
    return *AddTurretDialog_;
}

void TfrmDesignMain::SetPlanEditor(std::unique_ptr<TPlanEditorHook> editor) { PlanEditor_ = std::move(editor); }

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

void TfrmDesignMain::AddShipStatusButton() {
    bnShipStatus_ = new QPushButton(QStringLiteral("Ship status"), W.bnRefreshGraphics->parentWidget());
    bnShipStatus_->setObjectName(QStringLiteral("bnShipStatus"));
    bnShipStatus_->setEnabled(false);
    // Into the layout of "Update ship graphic", right after it.
    for (QBoxLayout* row : findChildren<QBoxLayout*>())
        if (const int at = row->indexOf(W.bnRefreshGraphics); at >= 0) {
            row->insertWidget(at + 1, bnShipStatus_);
            break;
        }
    connect(bnShipStatus_, &QPushButton::clicked, this, &TfrmDesignMain::ShowShipStatus);
}

void TfrmDesignMain::AddShareCommands() { ShareCommands_ = new TShareCommands(*this); }

void TfrmDesignMain::ChooseCustomFilesRoot() {
    CustomFilesRoot_ = platform::customFilesRoot(ProgramDir_);
    if (CustomFilesRoot_ != ProgramDir_)
        statusBar()->showMessage(toQ("The program folder is read-only: designs are saved to " + CustomFilesRoot_ +
                                     "Custom Files"));
}

void TfrmDesignMain::SetShipStatusDialog(TdlgShipStatus* dialog) { ShipStatusDialog_ = dialog; }

TdlgShipStatus& TfrmDesignMain::ShipStatusDialog() {
    if (!ShipStatusDialog_) ShipStatusDialog_ = new TdlgShipStatus(Data_, this);
    return *ShipStatusDialog_;
}

void TfrmDesignMain::ShowShipStatus() {
    auto* editor = dynamic_cast<TPlanEditor*>(PlanEditor_.get());
    TFightingShip* ship = editor ? editor->DisplayShip() : nullptr;
    if (!ship) return;
    // The designer's zero environment; the rules find ships on the plan view.
    BattleEnvironment env;
    env.Map = &editor->Canvas()->Map();
    ShipStatusDialog().ShowShipStatus(*ship, platform::todayDayNumber(), env);
}

bool TfrmDesignMain::HasDisplayShip() const { return PlanEditor_ && PlanEditor_->HasDisplayShip(); }

DesignInputs TfrmDesignMain::Inputs() const { return ReadInputs(W); }

void TfrmDesignMain::Recompute() {
    if (!DesignShip_) return;
    ApplyInputs(ReadInputs(W), *DesignShip_);
    RefreshTurretList();
    RefreshTorpedoList();
    WriteOutputs();
}

void TfrmDesignMain::MainCalibreUpdate() {
    if (!DesignShip_) return;
    DesignShip_->BatteryCalibre[1] = W.seMainCal->value();
    DesignShip_->Recalculate();
    RefreshTurretList();
}

void TfrmDesignMain::UpdateDisplacementStep() {
    W.seDisplacement->setSingleStep(W.seDisplacement->value() > 4000 ? 500 : 100);
}

void TfrmDesignMain::DisplacementChange() {
    UpdateDisplacementStep();
    Recompute();
}

void TfrmDesignMain::UpdateTitle() {
    const QString name = W.edName->text().trimmed();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Ship design") : QStringLiteral("Ship design - ") + name);
}

void TfrmDesignMain::RefreshTurretList() {
    W.lvTurrets->clear();
    if (!DesignShip_) return;
    for (const auto& turret : DesignShip_->Turrets)
        listRow(W.lvTurrets, positionText(turret->Position) + " - " + TurretPositionName(turret->Position),
                turret->Guns, turret->Weight, turret.get());
}

void TfrmDesignMain::RefreshTorpedoList() {
    W.lvTorpedoes->clear();
    if (!DesignShip_) return;
    for (const auto& mount : DesignShip_->TorpedoMounts)
        listRow(W.lvTorpedoes, positionText(mount->Position), mount->Tubes, mount->Weight, mount.get());
}

void TfrmDesignMain::WriteOutputs() {
    const TDesignShip& ship = *DesignShip_;
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

void TfrmDesignMain::bnAddTurretClick() {
    if (!DesignShip_) return;
    DesignShip_->BatteryCalibre[1] = W.seMainCal->value();
    DesignShip_->BatteryCalibre[2] = W.seSecCal->value();
    DesignShip_->BatteryCalibre[3] = W.seTerCal->value();
    if (auto turret = AddTurretDialog().ExecuteAddTurret(*DesignShip_)) {
        DesignShip_->AddTurret(std::move(turret));
        RefreshTurretList();
        Recompute();
    }
}

void TfrmDesignMain::bnAddTorpMountClick() {
    if (!DesignShip_) return;
    DesignShip_->TorpedoCalibre = W.seTorpCal->value();
    if (auto mount = AddTurretDialog().ExecuteAddMount(*DesignShip_)) {
        DesignShip_->AddTorpedoMount(std::move(mount));
        RefreshTorpedoList();
        Recompute();
    }
}

// Deleting leaves the figures as they are; they catch up at the next change.
void TfrmDesignMain::bnDeleteTurretClick() {
    const auto selected = W.lvTurrets->selectedItems();
    if (selected.isEmpty() || !DesignShip_) {
        platform::messages().notice("No turret selected!");
        return;
    }
    eraseLinked(DesignShip_->Turrets, linkedObject(selected.first()));
    delete selected.first();
}

void TfrmDesignMain::bnDeleteTorpMountClick() {
    const auto selected = W.lvTorpedoes->selectedItems();
    if (selected.isEmpty() || !DesignShip_) {
        platform::messages().notice("No mount selected!");
        return;
    }
    eraseLinked(DesignShip_->TorpedoMounts, linkedObject(selected.first()));
    delete selected.first();
}

void TfrmDesignMain::bnClearTurretsClick() {
    if (!DesignShip_ || !platform::messages().confirm("Clear all turrets?")) return;
    DesignShip_->ClearTurrets();
    RefreshTurretList();
    Recompute();
}

void TfrmDesignMain::bnClearTorpMountsClick() {
    if (!DesignShip_ || !platform::messages().confirm("Clear all torpedo mounts?")) return;
    DesignShip_->ClearTorpedomount();
    RefreshTorpedoList();
    Recompute();
}

void TfrmDesignMain::ExitClick() { close(); }

void TfrmDesignMain::bnSaveClick() {
    if (!DesignShip_) return;
    auto& messages = platform::messages();
    if (W.cbNation->currentIndex() < 0) {
        messages.notice("Ship must belong to a nation!");
        return;
    }
    if (W.cbType->currentIndex() < 0) {
        messages.notice("Ship must have a type!");
        return;
    }
    const std::string name = fromQ(W.edName->text());
    if (W.edName->text().trimmed().isEmpty()) {
        messages.notice("Class must have a name!");
        return;
    }
    // A name that cannot become a file name is refused before anything
    // changes, the turret order included.
    if (auto problem = ClassNameProblem(name)) {
        messages.notice(*problem);
        return;
    }

    ReorderTurretsForSave(*DesignShip_);
    RefreshTurretList();
    const DesignInputs inputs = ReadInputs(W);
    std::optional<DesignOutlines> outlines;
    if (HasDisplayShip()) {
        PlanEditor_->StoreLineFlags(inputs.OutlineIsLine);
        outlines = PlanEditor_->DisplayShipOutlines();
    }

    const std::string path = DesignSavePath(CustomFilesRoot_, name);
    if (platform::fileExists(path) &&
        !messages.confirm("Class exists!\rFile: " + path + "\r Overwrite?", true))
        return;

    if (CustomFilesRoot_ != ProgramDir_) {
        std::error_code ec;
        std::filesystem::create_directories(CustomFilesRoot_ + "Custom Files", ec);
    }
    bool written = false;
    {
        const WaitCursor hourglass;
        written = WriteDesignFile(path, inputs, *DesignShip_, outlines ? &*outlines : nullptr);
    }
    // Reading back a file that was not written would reset the form to the
    // defaults of an empty file and lose the design on screen.
    if (written && !HasDisplayShip()) LoadDesign(path);
}

void TfrmDesignMain::LoadDesign(const std::string& path) {
    if (!DesignShip_) return;
    DesignShip_->ClearTurrets();
    DesignShip_->ClearTorpedomount();
    RefreshTurretList();
    RefreshTorpedoList();
    for (TOutline& outline : DesignShip_->Superstructure) outline = TOutline{};

    DesignInputs inputs = ReadInputs(W);
    ReadDesignFile(path, inputs, *DesignShip_);
    WriteInputs(inputs, W);
    UpdateDisplacementStep();
    UpdateTitle();
    Recompute();
    if (PlanEditor_) PlanEditor_->LoadDisplayShip(path);
    bnShipStatus_->setEnabled(HasDisplayShip());
}

void TfrmDesignMain::LoadFrom(const char* title, const std::string& root, const char* folder) {
    platform::OpenFileRequest request;
    request.title = title;
    request.filter = "Ship design files (sdf)|*.sdf";
    request.defaultExtension = "sdf";
    request.startDirectory = platform::resolvePath(root + folder);
    request.existingOnly = true;
    if (auto path = platform::fileDialogs().openFile(request)) LoadDesign(*path);
}

void TfrmDesignMain::bnLoadClick() { LoadFrom("Load design", ProgramDir_, "Designs"); }

void TfrmDesignMain::bnLoadCustClick() { LoadFrom("Load custom design", CustomFilesRoot_, "Custom Files"); }

void TfrmDesignMain::bnSelPicClick() {
    platform::OpenFileRequest request;
    request.title = "Select picture";
    request.filter = "Picture files|*.jpg;*.bmp";
    request.startDirectory = platform::resolvePath(CustomFilesRoot_ + "Custom Files");
    request.existingOnly = true;
    if (auto path = platform::fileDialogs().openFile(request)) W.edPicName->setText(toQ(platform::fileNameOf(*path)));
}
