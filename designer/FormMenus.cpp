#include "designer/FormMenus.h"

#include "designer/FormWindows.h"
#include "designer/frmDesign.h"
#include "designfile/DesignInputs.h"
#include "platform/Version.h"
#include "platform/qt/QtMessages.h"
#include "sheets/qt/ShareCommands.h"
#include "shipdata/Ship.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QTextBrowser>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

QAction* addAction(QMenu* menu, const char* text, const QList<QKeySequence>& keys, const char* name) {
    QAction* a = menu->addAction(QString::fromUtf8(text));
    a->setObjectName(QLatin1String(name));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}

QString typeNames(const WeaponTables& weapons) {
    QString rows;
    for (const char* code : kDesignTypeCodes) {
        const std::string& name = weapons.ShipTypeNames[ShipTypeFromCode(code, platform::messages())];
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(QLatin1String(code), name.empty() ? QStringLiteral("-") : platform::toQ(name).toHtmlEscaped());
    }
    return rows;
}

// The windows of the design and its sheet; the buttons of the form open the same.
void buildToolsMenu(TfrmDesignMain& form, QMenu* tools) {
    const auto key = [](const char* text) { return QList<QKeySequence>{QKeySequence(QString::fromLatin1(text))}; };
    TShareCommands* share = form.ShareCommands();
    QObject::connect(addAction(tools, "&Engagement...", key("Ctrl+E"), "actEngagement"), &QAction::triggered, &form,
                     [&form] { ShowEngagementPlanner(form); });
    QObject::connect(addAction(tools, "E&xplore...", key("Ctrl+Shift+E"), "actExplore"), &QAction::triggered, &form,
                     [&form] { ShowExplorer(form); });
    QObject::connect(addAction(tools, "&Protection...", {}, "actProtection"), &QAction::triggered, &form,
                     [&form] { ShowProtection(form); });
    QObject::connect(addAction(tools, "&Compare...", key("Ctrl+D"), "actCompare"), &QAction::triggered, share,
                     &TShareCommands::Compare);
    QAction* status = addAction(tools, "Ship &status", {}, "actShipStatus");
    status->setEnabled(false); // as its button, until a ship is displayed
    QObject::connect(status, &QAction::triggered, &form, &TfrmDesignMain::ShowShipStatus);
    tools->addSeparator();
    QObject::connect(addAction(tools, "C&opy sheet", key("Ctrl+Shift+C"), "actCopySheet"), &QAction::triggered, share,
                     &TShareCommands::CopySheet);
    QObject::connect(addAction(tools, "Export s&heet...", {}, "actExportSheet"), &QAction::triggered, share,
                     &TShareCommands::ExportSheet);
}

} // namespace

void BuildFormMenus(TfrmDesignMain& form, QUndoStack& stack) {
    QMenuBar* bar = form.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QObject::connect(addAction(file, "&Load...", {QKeySequence(QStringLiteral("Ctrl+O"))}, "actLoad"),
                     &QAction::triggered, &form, &TfrmDesignMain::bnLoadClick);
    QObject::connect(
        addAction(file, "Load &custom...", {QKeySequence(QStringLiteral("Ctrl+Shift+O"))}, "actLoadCustom"),
        &QAction::triggered, &form, &TfrmDesignMain::bnLoadCustClick);
    QObject::connect(addAction(file, "&Save", {QKeySequence(QStringLiteral("Ctrl+S"))}, "actSave"), &QAction::triggered,
                     &form, &TfrmDesignMain::bnSaveClick);
    QObject::connect(addAction(file, "Save &as...", {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}, "actSaveAs"),
                     &QAction::triggered, &form, &TfrmDesignMain::SaveAsClick);
    QObject::connect(addAction(file, "&Library...", {QKeySequence(QStringLiteral("Ctrl+L"))}, "actLibrary"),
                     &QAction::triggered, &form, [&form] { ShowLibrary(form); });
    file->addSeparator();
    QObject::connect(addAction(file, "E&xit", {QKeySequence(QStringLiteral("Ctrl+Q"))}, "actExit"), &QAction::triggered,
                     &form, &TfrmDesignMain::ExitClick);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    QAction* undo = stack.createUndoAction(&form, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* redo = stack.createRedoAction(&form, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    // The step's name shows in the menu and as the tooltip.
    for (QAction* a : {undo, redo}) {
        a->setToolTip(a->text());
        QObject::connect(a, &QAction::changed, a, [a] {
            if (a->toolTip() != a->text()) a->setToolTip(a->text());
        });
    }
    edit->addAction(undo);
    edit->addAction(redo);
    edit->setToolTipsVisible(true);

    buildToolsMenu(form, bar->addMenu(QStringLiteral("&Tools")));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    // F1 once: HelpContents is F1 too, and a key bound twice fires neither.
    QObject::connect(addAction(help, "&Keys and form...", {QKeySequence(Qt::Key_F1)}, "actHelp"), &QAction::triggered,
                     &form, [&form] { ShowDesignerHelp(&form, form.Data().Weapons); });
    QObject::connect(addAction(help, "&About Ship Designer...", {}, "actAbout"), &QAction::triggered, &form,
                     [&form] { ShowAbout(&form); });
}

QString AboutText() {
    const QStringList lines = platform::toQ(platform::VersionText("Ship Designer")).trimmed().split(QLatin1Char('\n'));
    QStringList notice;
    for (const QString& line : lines.mid(1)) notice << line.toHtmlEscaped();
    return QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p>")
        .arg(lines.first().toHtmlEscaped(), QString::fromUtf8(platform::kSummary).toHtmlEscaped(),
             notice.join(QStringLiteral("<br>")));
}

void ShowAbout(QWidget* parent) {
    auto* dialog = parent ? parent->findChild<QDialog*>(QStringLiteral("dlgAbout")) : nullptr;
    if (!dialog) {
        dialog = new QDialog(parent);
        dialog->setObjectName(QStringLiteral("dlgAbout"));
        dialog->setWindowTitle(QStringLiteral("About Ship Designer"));
        auto* layout = new QVBoxLayout(dialog);
        auto* text = new QLabel(AboutText(), dialog);
        text->setObjectName(QStringLiteral("lbAbout"));
        text->setWordWrap(true);
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        layout->addWidget(buttons);
    }
    dialog->show();
    dialog->raise();
}

QString DesignerHelpText(const WeaponTables& weapons) {
    return QStringLiteral(
               "<a name=\"keys\"></a><h3>Keys</h3><table cellspacing=4>"
               "<tr><td><b>Ctrl+S</b></td><td>Save (to Custom Files)</td></tr>"
               "<tr><td><b>Ctrl+Shift+S</b></td><td>Save as... (any folder)</td></tr>"
               "<tr><td><b>Ctrl+O</b></td><td>Load (from Designs)</td></tr>"
               "<tr><td><b>Ctrl+Shift+O</b></td><td>Load custom (from Custom Files)</td></tr>"
               "<tr><td><b>Ctrl+L</b></td><td>Library: every design, sorted, searched and compared</td></tr>"
               "<tr><td><b>Ctrl+Z</b></td><td>Undo the last change</td></tr>"
               "<tr><td><b>Ctrl+Shift+Z, Ctrl+Y</b></td><td>Redo</td></tr>"
               "<tr><td><b>Ctrl+Q</b></td><td>Exit</td></tr>"
               "<tr><td><b>F1</b></td><td>This help; in every window, its own section</td></tr>"
               "<tr><td><b>Ctrl+E</b></td><td>Engagement planner</td></tr>"
               "<tr><td><b>Ctrl+Shift+E</b></td><td>Design explorer</td></tr>"
               "<tr><td><b>Ctrl+D</b></td><td>Compare with another design</td></tr>"
               "<tr><td><b>Ctrl+Shift+C</b></td><td>Copy the ship sheet to the clipboard</td></tr>"
               "<tr><td><b>Enter</b></td><td>Press the focused button; in a number box, take the number typed</td></tr>"
               "</table><p>Ctrl+Z and Ctrl+Y work wherever the cursor is, number boxes included: a number being "
               "typed is taken first.</p>"
               "<h3>Windows</h3><p>The Tools menu opens each of them, as the form's buttons do.</p>"
               "<a name=\"planner\"></a><p><b>Engagement...</b> (Ctrl+E): the design on the form against another "
               "at a range and bearing, with both ships' hit chances, rates of fire, the chart of hits per minute "
               "against range and the map; its Divisions tab sets division against division, and scenarios are "
               "saved and opened there. The rules read the year of play (gun ranges, hit chance, formations, the "
               "nations' figures): it follows the date until you set it.</p>"
               "<a name=\"explorer\"></a><p><b>Explore...</b> (Ctrl+Shift+E): every variant of the design over "
               "ranges of its inputs, the ones that fit and the best trade-offs among them, with what each step of "
               "an input costs; \"Apply to form\" takes a variant as one undo step. Hits are reckoned in the "
               "planner's opening scene, 31 May 1916; the point value is the status card's.</p>"
               "<a name=\"library\"></a><p><b>Library...</b> (Ctrl+L): every design in Designs, the Custom Files "
               "folders, the folders the file dialogs were last left in and the folders you add, sorted, searched "
               "and filtered; open, duplicate, rename or move a design to the trash, or compare two to six. The "
               "status says \"ok\" only of a design Save would take.</p>"
               "<a name=\"protection\"></a><p><b>Protection...</b> (beside Protected cruiser): the immune zones of "
               "this armour against enemy guns.</p>"
               "<a name=\"compare\"></a><p><b>Compare...</b> (Ctrl+D): this design and up to five others side by "
               "side, the differences marked.</p>"
               "<p><b>Copy sheet</b> (Ctrl+Shift+C) and <b>Export sheet...</b>: the ship sheet as text and HTML on the "
               "clipboard, or as PDF, HTML or Markdown in a file.</p>"
               "<a name=\"status\"></a><p><b>Ship status</b>: the game's status card of the displayed ship, as it "
               "leaves port ready for battle; its figures are the design's own, in no battle (year 0).</p>"
               "<a name=\"form\"></a><h3>The form</h3>"
               "<p><b>Class</b>: names, nation, ship type, the date the class is obsolete and its picture.</p>"
               "<p><b>Hull and machinery</b>: displacement, speed, range, freeboard, fuel and accommodation, with the "
               "weights of hull and machinery, the horsepower and the complement they give.</p>"
               "<p><b>Armor</b>: thickness in inches of each armoured area and its weight (turret and secondary armour "
               "are weighed with their guns).</p>"
               "<p><b>Main guns</b>: calibre and quality, and the turrets at their lettered positions.</p>"
               "<p><b>Secondary and Tertiary guns</b>: calibre, number, guns per turret and quality.</p>"
               "<p><b>Torpedoes</b>: calibre, type and the torpedo mounts.</p>"
               "<p><b>Equipment</b>: fire control, torpedo defense and mines.</p>"
               "<p><b>Totals</b>: the total weight against the displacement (red when overweight), and under it the "
               "<b>Design check</b>: what is wrong with the design and what would put it right.</p>"
               "<p><b>Plan view</b> (right): the ship from above once it is saved or loaded. \"...\" places a funnel "
               "(click on the ship), X deletes it; St1 to St4 draw a superstructure outline with left clicks on the "
               "port half, a right click mirrors it to starboard. \"Update ship graphic\" redraws the turrets, "
               "\"Ship status\" opens the status card.</p>"
               "<h3>Ship types</h3><table cellspacing=4>") +
           typeNames(weapons) + QStringLiteral("</table>");
}

void ShowDesignerHelp(QWidget* parent, const WeaponTables& weapons, const QString& section) {
    auto* dialog = parent ? parent->findChild<QDialog*>(QStringLiteral("dlgDesignerHelp")) : nullptr;
    if (!dialog) {
        dialog = new QDialog(parent);
        dialog->setObjectName(QStringLiteral("dlgDesignerHelp"));
        dialog->setWindowTitle(QStringLiteral("Ship design help"));
        auto* layout = new QVBoxLayout(dialog);
        auto* text = new QTextBrowser(dialog);
        text->setObjectName(QStringLiteral("tbHelp"));
        text->setHtml(DesignerHelpText(weapons));
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        layout->addWidget(buttons);
        dialog->resize(560, 600);
    }
    dialog->setProperty("section", section);
    dialog->show();
    dialog->raise();
    dialog->findChild<QTextBrowser*>(QStringLiteral("tbHelp"))->scrollToAnchor(section);
}

void BindHelpKey(QWidget& window, const WeaponTables& weapons, const char* section) {
    auto* help = new QAction(&window);
    help->setObjectName(QStringLiteral("actHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    const QString name = QString::fromLatin1(section);
    QObject::connect(help, &QAction::triggered, &window,
                     [&window, &weapons, name] { ShowDesignerHelp(&window, weapons, name); });
    window.addAction(help);
}
