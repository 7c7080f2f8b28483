#pragma once
// The ship status card: one fighting ship shown the way the game shows it,
// with its figures, the stored picture of its class and the ship as drawn
// on the battle map.
#include <QDialog>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "combat/BattleEnvironment.h"
#include "combat/CombatContext.h"
#include "combat/StatusFigures.h"
#include "platform/Random.h"
#include "status/HitDetails.h"
#include "status/ShipStatusWidgets.h"
#include "tables/ProgramData.h"

class TFightingShip;
class TMapCanvas;

class TdlgShipStatus : public QDialog {
    Q_OBJECT
public:
    // The card reads the program's tables; they outlive it. Flags come from
    // programDir's "Flags", designs from its "Designs", and a file of the
    // same name in customFilesRoot's "Custom Files" comes first.
    TdlgShipStatus(const ProgramData& data, std::string programDir, std::string customFilesRoot,
                   QWidget* parent = nullptr);
    ~TdlgShipStatus() override;

    ShipStatusWidgets W;

    // The hit details dialog made at program start; without one the card
    // makes its own on first use.
    void SetHitDetailsDialog(TdlgHitDetails* dialog) { hitDetailsDialog_ = dialog; }
    TdlgHitDetails& HitDetailsDialog();
    TdlgAccuracy& AccuracyDialog();

    // Fills every control from the ship (not owned) as of the day number
    // `date` in the battle environment (the designer's is all zero), builds
    // the game view and loads the picture; does not show.
    void FillShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env = {});
    // Fills and shows the card modally.
    void ShowShipStatus(TFightingShip& ship, std::int32_t date, const BattleEnvironment& env = {});

    // The game view's ship, rebuilt from the class's design file.
    void LoadGameViewShip(bool copyTurrets);
    void LoadShipPicture();
    // The file of that name in "Custom Files" when there is one, else path.
    std::string CustomFileLookup(const std::string& path) const;
    // The text the log's "Copy to clipboard" puts on the clipboard.
    QString LogClipboardText() const;

    TFightingShip* Ship = nullptr;
    BattleEnvironment Env;
    std::unique_ptr<TFightingShip> GameViewShip;
    TShipBattleTallies Tallies;
    // Display name of each battle side (3 is the neutral side); a battle would
    // fill it, the designer keeps every entry empty.
    std::array<std::string, 4> SideDisplayNames{};
    // The display name of a side, empty outside the table.
    std::string SideDisplayName(std::int32_t side) const;

public slots:
    void tcSmallgunsChange();
    void tcViewChange();
    void bnHitChanceClick();
    void stTSHitChancePortClick();
    void stTSHitChanceStbdClick();
    void bnHitDetailsClick();
    void SmokeClick();
    void bnSightedClick();
    void bnDivisionClick();
    void Copytoclipboard1Click();
    void pnCrossClick();
    // Escape closes through bnClose, whose result is OK.
    void reject() override { accept(); }

private:
    void FormCreate();
    void aDisplayGlobeRender(TMapCanvas& canvas);
    void ShowAccuracyReport(TFightingShip* target, std::int32_t calibre, int battery);
    void SmallGunHitChanceClick(bool port);
    // The boxes of one small-gun battery.
    struct SmallBatteryBoxes {
        QLabel *Port, *Starboard, *Calibre, *HitsScored, *RoundsFired, *RoundsLeft, *HitPercentage;
    };
    void FillTurretsAndMounts(const ShipStatusFigures& f);
    void FillHeading(const ShipStatusFigures& f);
    void FillSummary(const ShipStatusFigures& f);
    void FillBatteries(const ShipStatusFigures& f);
    void FillSmallBattery(const StatusBattery& b, const SmallBatteryBoxes& boxes);
    void FillStateBoxes(const ShipStatusFigures& f);
    void FillTargets(const ShipStatusFigures& f);
    void FillDamageBars(const ShipStatusFigures& f);

    // What the rules read besides the ship: the tables, the battle, the
    // card's own random draws and the program's message boxes.
    CombatContext Context() const;

    const ProgramData& data_;
    std::string programDir_, customFilesRoot_;
    // The card's draws (rate of fire in mist, reported types) follow one
    // sequence over the program's run.
    mutable platform::SeededRandom random_{platform::kDefaultSeed};
    QPointer<TdlgHitDetails> hitDetailsDialog_;
    TdlgAccuracy* accuracyDialog_ = nullptr;
};
