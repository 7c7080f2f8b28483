#include "status/ShipStatusWidgets.h"

#include "map/qt/MapControl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A statistic box: right-aligned static text in a sunken frame.
template <typename Label = QLabel>
Label* makeBox(QWidget* parent, const char* name) {
    auto* l = new Label(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(60);
    l->setFixedHeight(17);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const char* caption) {
    auto* g = new QGroupBox(QString::fromUtf8(caption), parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

// A group's grid, tight enough for the card's fixed height.
QGridLayout* makeGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    return grid;
}

// Caption on the left, box on the right, one row of a group's grid.
template <typename Label = QLabel>
Label* addRow(QGridLayout* grid, QWidget* parent, const char* name, const char* caption) {
    const int row = grid->rowCount();
    auto* cap = new QLabel(QString::fromUtf8(caption), parent);
    cap->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
    auto* box = makeBox<Label>(parent, name);
    grid->addWidget(cap, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

void buildHeading(QDialog* d, QVBoxLayout* top, ShipStatusWidgets& w) {
    auto* row = new QHBoxLayout;
    w.imgNation = makeLabel(d, "imgNation");
    w.imgNation->setFixedSize(60, 40);
    w.imgNation->setScaledContents(true);
    row->addWidget(w.imgNation, 0, Qt::AlignTop);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(1);
    w.lbShipType = makeLabel(d, "lbShipType");
    w.lbShipname = makeLabel(d, "lbShipname");
    QFont bold = w.lbShipname->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    w.lbShipname->setFont(bold);
    w.lbClass = makeLabel(d, "lbClass");
    w.lbDisplacement = makeLabel(d, "lbDisplacement");
    for (QLabel* l : {w.lbShipType, w.lbShipname, w.lbClass, w.lbDisplacement}) {
        l->setAlignment(Qt::AlignHCenter);
        titles->addWidget(l);
    }
    row->addLayout(titles, 1);
    row->addSpacing(60); // keeps the titles centred on the card
    top->addLayout(row);
}

void buildSummary(QDialog* d, QVBoxLayout* top, ShipStatusWidgets& w) {
    auto* row = new QHBoxLayout;
    auto* guns = new QGridLayout;
    w.lbGunsCaption = makeLabel(d, "Label40", QStringLiteral("Guns :"));
    w.lbMainGuns = makeLabel(d, "lbMainGuns");
    w.lbSecondaryGuns = makeLabel(d, "lbSecondaryGuns");
    w.lbTertiaryGuns = makeLabel(d, "lbTertiaryGuns");
    w.lbMines = makeLabel(d, "lbMines");
    guns->addWidget(w.lbGunsCaption, 0, 0, Qt::AlignTop);
    guns->addWidget(w.lbMainGuns, 0, 1);
    guns->addWidget(w.lbSecondaryGuns, 1, 1);
    guns->addWidget(w.lbTertiaryGuns, 2, 1);
    guns->addWidget(w.lbMines, 3, 1);
    guns->setColumnStretch(1, 1);
    guns->setRowStretch(4, 1);
    guns->setVerticalSpacing(1);
    row->addLayout(guns, 3);

    w.pnTorpedo = makeGroup(d, "pnTorpedo", "Torpedo tubes");
    w.pnTorpedo->setVisible(false);
    auto* torp = new QHBoxLayout(w.pnTorpedo);
    torp->setContentsMargins(6, 2, 6, 2);
    w.lbTorpedoTubes = makeLabel(w.pnTorpedo, "lbTorpedoTubes");
    w.lbAbove = makeLabel(w.pnTorpedo, "lbAbove");
    torp->addWidget(w.lbTorpedoTubes);
    torp->addWidget(w.lbAbove, 1);
    row->addWidget(w.pnTorpedo, 2, Qt::AlignTop);

    auto* armour = new QGridLayout;
    w.lbArmourCaption = makeLabel(d, "Label42", QStringLiteral("Armour :"));
    w.lbBelt = makeLabel(d, "lbBelt");
    w.lbDeck = makeLabel(d, "lbDeck");
    w.lbTurretArmor = makeLabel(d, "lbTurretArmor");
    w.lbBattery = makeLabel(d, "lbBattery");
    w.lbCT = makeLabel(d, "lbCT");
    armour->addWidget(w.lbArmourCaption, 0, 0, Qt::AlignTop);
    int r = 0;
    for (QLabel* l : {w.lbBelt, w.lbDeck, w.lbTurretArmor, w.lbBattery, w.lbCT}) armour->addWidget(l, r++, 1);
    armour->setColumnStretch(1, 1);
    armour->setVerticalSpacing(1);
    row->addLayout(armour, 3);
    top->addLayout(row);
}

void buildView(QDialog* d, QVBoxLayout* top, ShipStatusWidgets& w) {
    w.tcView = new QTabBar(d);
    w.tcView->setObjectName(QStringLiteral("tcView"));
    w.tcView->setDocumentMode(true); // flat buttons
    w.tcView->setDrawBase(false);
    w.tcView->addTab(QStringLiteral("Game view"));
    w.tcView->addTab(QStringLiteral("Picture"));
    w.tcView->setCurrentIndex(1);
    top->addWidget(w.tcView, 0, Qt::AlignHCenter);

    // The picture panel lies over the game view; hiding it shows the view.
    w.ViewArea = new QWidget(d);
    w.ViewArea->setObjectName(QStringLiteral("ViewArea"));
    w.ViewArea->setFixedSize(640, 160);
    w.aDisplayGlobe = new TMapControl(w.ViewArea);
    w.aDisplayGlobe->setObjectName(QStringLiteral("aDisplayGlobe"));
    w.aDisplayGlobe->setGeometry(0, 0, 640, 160);
    w.pnlPicture = new QFrame(w.ViewArea);
    w.pnlPicture->setObjectName(QStringLiteral("Panel1"));
    w.pnlPicture->setGeometry(0, 0, 640, 160);
    w.pnlPicture->setAutoFillBackground(true);
    w.pnlPictureCaption = new QLabel(QStringLiteral("Picture not available"), w.pnlPicture);
    w.pnlPictureCaption->setObjectName(QStringLiteral("Panel1Caption"));
    w.pnlPictureCaption->setGeometry(0, 0, 640, 160);
    w.pnlPictureCaption->setAlignment(Qt::AlignCenter);
    w.imgPicture = makeLabel(w.pnlPicture, "Image1");
    w.imgPicture->setGeometry(0, 0, 640, 160);
    w.imgPicture->setScaledContents(true);
    w.pnlPicture->raise();
    top->addWidget(w.ViewArea, 0, Qt::AlignHCenter);
}

QVBoxLayout* buildTurretColumn(QDialog* d, ShipStatusWidgets& w) {
    auto* col = new QVBoxLayout;
    w.lbTurr = makeLabel(d, "lbTurr", QStringLiteral("Turrets"));
    w.lbTurrets = new QListWidget(d);
    w.lbTurrets->setObjectName(QStringLiteral("lbTurrets"));
    w.lbTorpedoMountsCaption = makeLabel(d, "Label38", QStringLiteral("Torpedo mounts"));
    w.lbTorps = new QListWidget(d);
    w.lbTorps->setObjectName(QStringLiteral("lbTorps"));
    w.lbTorps->setMaximumHeight(110);
    auto* cal = new QHBoxLayout;
    w.lbTorpedoCalibreCaption = makeLabel(d, "Label39", QStringLiteral("Torpedo calibre"));
    w.stTorpCal = makeBox(d, "stTorpCal");
    cal->addWidget(w.lbTorpedoCalibreCaption);
    cal->addWidget(w.stTorpCal);
    col->addWidget(w.lbTurr);
    col->addWidget(w.lbTurrets, 2);
    col->addWidget(w.lbTorpedoMountsCaption);
    col->addWidget(w.lbTorps, 1);
    col->addLayout(cal);
    return col;
}

QVBoxLayout* buildGunColumn(QDialog* d, ShipStatusWidgets& w) {
    auto* col = new QVBoxLayout;
    col->setSpacing(4);
    w.gbMainGuns = makeGroup(d, "gbMainGuns", "Main guns");
    auto* g = makeGrid(w.gbMainGuns);
    QWidget* m = w.gbMainGuns;
    w.stMainGunType = addRow(g, m, "stMainGunType", "Gun calibre");
    w.stRoundsFired = addRow(g, m, "stRoundsFired", "Rounds fired");
    w.stHits = addRow(g, m, "stHits", "Hits scored");
    w.stHP = addRow(g, m, "stHP", "Hit percentage");
    w.stROF = addRow(g, m, "stROF", "ROF / gun");
    w.stRdsMain = addRow(g, m, "stRdsMain", "Rounds left main");
    w.stTargetMain = addRow(g, m, "stTargetMain", "Target");
    w.stHitChance = addRow(g, m, "stHitChance", "Hit chance");
    w.bnHitChance = makeButton(m, "bnHitChance", "Details");
    g->addWidget(w.bnHitChance, g->rowCount(), 1);
    w.lbTargetInSmoke = makeLabel(m, "lbTargetInSmoke", QStringLiteral("Range fouled by own smoke"));
    w.lbTargetInSmoke->setVisible(false);
    g->addWidget(w.lbTargetInSmoke, g->rowCount(), 0, 1, 2);
    col->addWidget(w.gbMainGuns);
    return col;
}

QVBoxLayout* buildSmallGunColumn(QDialog* d, ShipStatusWidgets& w) {
    auto* col = new QVBoxLayout;
    col->setSpacing(0);
    w.tcSmallguns = new QTabBar(d);
    w.tcSmallguns->setObjectName(QStringLiteral("tcSmallguns"));
    w.tcSmallguns->addTab(QStringLiteral("Secondary guns"));
    w.tcSmallguns->addTab(QStringLiteral("Tertiary guns"));
    col->addWidget(w.tcSmallguns);

    w.gbSecondary = makeGroup(d, "gbSecondary", "");
    auto* s = makeGrid(w.gbSecondary);
    QWidget* sp = w.gbSecondary;
    w.stSecCal = addRow(s, sp, "stSecCal", "Gun type");
    w.stSecPort = addRow(s, sp, "stSecPort", "Secondary guns port");
    w.stSecStbd = addRow(s, sp, "stSecStbd", "Secondary guns stbd");
    w.stSecRoundsFired = addRow(s, sp, "stSecRoundsFired", "Rounds fired");
    w.stSecHitsScored = addRow(s, sp, "stSecHitsScored", "Hits scored");
    w.stSecHitPercentage = addRow(s, sp, "stSecHitPercentage", "Hit percentage");
    w.stSecRoundsLeft = addRow(s, sp, "stSecRoundsLeft", "Rounds left sec");
    w.stSecTargetLeft = addRow(s, sp, "stSecTargetLeft", "Target port");
    w.stSecTargetRight = addRow(s, sp, "stSecTargetRight", "Target stbd");
    col->addWidget(w.gbSecondary);

    w.gbTertiary = makeGroup(d, "gbTertiary", "");
    auto* t = makeGrid(w.gbTertiary);
    QWidget* tp = w.gbTertiary;
    w.stTerCal = addRow(t, tp, "stTerCal", "Gun type");
    w.stTerPort = addRow(t, tp, "stTerPort", "Tertiary guns port");
    w.stTerStbd = addRow(t, tp, "stTerStbd", "Tertiary guns stbd");
    w.stTerRoundsFired = addRow(t, tp, "stTerRoundsFired", "Rounds fired");
    w.stTerHitsScored = addRow(t, tp, "stTerHitsScored", "Hits scored");
    w.stTerHitPercentage = addRow(t, tp, "stTerHitPercentage", "Hit percentage");
    w.stTerRoundsLeft = addRow(t, tp, "stTerRoundsLeft", "Rounds left tertiary");
    w.stTerTargetPort = addRow(t, tp, "stTerTargetPort", "Target port");
    w.stTerTargetStbd = addRow(t, tp, "stTerTargetStbd", "Target stbd");
    w.gbTertiary->setVisible(false);
    col->addWidget(w.gbTertiary);

    col->addSpacing(4);
    auto* chances = new QGridLayout;
    chances->setVerticalSpacing(2);
    w.stTSHitChancePort = addRow<TClickLabel>(chances, d, "stTSHitChancePort", "Hit chance port");
    w.stTSHitChanceStbd = addRow<TClickLabel>(chances, d, "stTSHitChanceStbd", "Hit chance stbd");
    for (TClickLabel* l : {w.stTSHitChancePort, w.stTSHitChanceStbd}) {
        l->setToolTip(QStringLiteral("Hit chance (click for details)"));
        l->setCursor(Qt::PointingHandCursor);
    }
    col->addLayout(chances);
    col->addStretch(1);
    return col;
}

void buildDataGroup(QDialog* d, QVBoxLayout* col, ShipStatusWidgets& w) {
    w.gbData = makeGroup(d, "gbData", "Data");
    auto* g = makeGrid(w.gbData);
    w.stCrewQuality = addRow(g, w.gbData, "stCrewQuality", "Crew quality");
    w.stFireControl = addRow(g, w.gbData, "stFireControl", "Fire control");
    w.stPointValue = addRow(g, w.gbData, "stPointValue", "Point value");
    col->addWidget(w.gbData);
}

void buildDamageGroup(QDialog* d, QVBoxLayout* col, ShipStatusWidgets& w) {
    w.gbDamage = makeGroup(d, "gbDamage", "Damage");
    auto* dm = makeGrid(w.gbDamage);
    QWidget* dp = w.gbDamage;
    auto addBar = [&](const char* name, const char* caption) {
        auto* bar = new QProgressBar(dp);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setMaximumHeight(14);
        auto* cap = new QLabel(QString::fromUtf8(caption), dp);
        cap->setObjectName(QString::fromLatin1(name) + QStringLiteral("Caption"));
        const int row = dm->rowCount();
        dm->addWidget(cap, row, 0);
        dm->addWidget(bar, row, 1);
        return bar;
    };
    w.pbSuperstructure = addBar("pbSuperstructure", "Structure");
    w.pbFloat = addBar("pbFloat", "Flotation");
    w.stFlooding = addRow(dm, dp, "stFlooding", "Flooding");
    w.stHHits = addRow(dm, dp, "stHHits", "Heavy hits");
    w.stMHits = addRow(dm, dp, "stMHits", "Medium hits");
    w.stLHits = addRow(dm, dp, "stLHits", "Light hits");
    w.stTHits = addRow(dm, dp, "stTHits", "Torpedo hits");
    w.lbSinking = makeLabel(dp, "lbSinking");
    QFont bold = w.lbSinking->font();
    bold.setBold(true);
    w.lbSinking->setFont(bold);
    w.lbSinking->setStyleSheet(QStringLiteral("color: red;"));
    w.lbSinking->setVisible(false);
    w.bnHitDetails = makeButton(dp, "bnHitDetails", "Log entries");
    const int last = dm->rowCount();
    dm->addWidget(w.lbSinking, last, 0);
    dm->addWidget(w.bnHitDetails, last, 1);
    col->addWidget(w.gbDamage);
}

void buildManeuverGroup(QDialog* d, QVBoxLayout* col, ShipStatusWidgets& w) {
    w.gbManeuver = makeGroup(d, "gbManeuver", "Maneuver");
    auto* mv = makeGrid(w.gbManeuver);
    QWidget* mp = w.gbManeuver;
    w.stSpeed = addRow(mv, mp, "stSpeed", "Max speed");
    w.stSpeed->setToolTip(QStringLiteral("Current max speed/Original max speed"));
    w.stCurSpeed = addRow(mv, mp, "stCurSpeed", "Current speed");
    w.stCurCourse = addRow(mv, mp, "stCurCourse", "Current course");
    w.stEndurance = addRow(mv, mp, "stEndurance", "Endurance ");
    w.stEndurance->setToolTip(QStringLiteral("Remaining range at current speed/Remaining range at 16 knots"));
    w.cbEvading = new QCheckBox(QStringLiteral("Evading"), mp);
    w.cbEvading->setObjectName(QStringLiteral("cbEvading"));
    w.cbEvading->setEnabled(false);
    int row = mv->rowCount();
    mv->addWidget(w.cbEvading, row, 0, 1, 2);
    w.lbRudder = makeLabel(mp, "lbRudder");
    w.lbRudder->setVisible(false);
    w.lbGratesFouled = makeLabel(mp, "lbGratesFouled", QStringLiteral("Grates fouled"));
    w.lbGratesFouled->setVisible(false);
    w.lbLimitedByWeather = makeLabel(mp, "lbLimitedByWeather");
    for (QLabel* l : {w.lbRudder, w.lbGratesFouled, w.lbLimitedByWeather}) mv->addWidget(l, mv->rowCount(), 0, 1, 2);
    col->addWidget(w.gbManeuver);
}

QVBoxLayout* buildStateColumn(QDialog* d, ShipStatusWidgets& w) {
    auto* col = new QVBoxLayout;
    col->setSpacing(4);
    buildDamageGroup(d, col, w);
    buildManeuverGroup(d, col, w);
    col->addStretch(1);
    return col;
}

void buildButtons(QDialog* d, QVBoxLayout* top, ShipStatusWidgets& w) {
    w.lbLogEntries = new QListWidget(d);
    w.lbLogEntries->setObjectName(QStringLiteral("lbLogEntries"));
    w.lbLogEntries->setVisible(false);
    w.lbLogEntries->setContextMenuPolicy(Qt::CustomContextMenu);
    w.PopupMenu1 = new QMenu(d);
    w.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    w.Copytoclipboard1 = w.PopupMenu1->addAction(QStringLiteral("Copy to clipboard"));
    w.Copytoclipboard1->setObjectName(QStringLiteral("Copytoclipboard1"));
    top->addWidget(w.lbLogEntries);

    auto* row = new QHBoxLayout;
    w.bnSmoke = makeButton(d, "Button1", "Smoke");
    w.bnSmoke->setVisible(false);
    w.bnSighted = makeButton(d, "bnSighted", "Sighted");
    w.bnSighted->setVisible(false);
    w.bnDivision = makeButton(d, "bnDivision", "Division");
    w.bnClose = makeButton(d, "bnClose", "Close");
    row->addWidget(w.bnSmoke);
    row->addWidget(w.bnSighted);
    row->addStretch(1);
    row->addWidget(w.bnDivision);
    row->addWidget(w.bnClose);
    top->addLayout(row);
}

} // namespace

void buildShipStatusWidgets(QDialog* d, ShipStatusWidgets& w) {
    // The compact font of the design form, so the card fits its 770 rows.
    QFont font = d->font();
    font.setPointSize(8);
    d->setFont(font);
    d->setMinimumWidth(900);
    auto* top = new QVBoxLayout(d);
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(4);
    buildHeading(d, top, w);
    buildSummary(d, top, w);
    buildView(d, top, w);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addLayout(buildTurretColumn(d, w), 4);
    QVBoxLayout* guns = buildGunColumn(d, w);
    buildDataGroup(d, guns, w);
    guns->addStretch(1);
    columns->addLayout(guns, 4);
    columns->addLayout(buildSmallGunColumn(d, w), 4);
    columns->addLayout(buildStateColumn(d, w), 4);
    top->addLayout(columns, 1);
    buildButtons(d, top, w);
}
