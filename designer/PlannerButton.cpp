#include "designer/PlannerButton.h"

#include "designer/DesignerSettings.h"
#include "designer/FormMenus.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QPushButton>

#include "designer/frmDesign.h"
#include "planner/frmPlanner.h"
#include "platform/Messages.h"

QPushButton* AddEngagementButton(TfrmDesignMain& form) {
    QPushButton* status = form.ShipStatusButton();
    auto* button = new QPushButton(QStringLiteral("Engagement..."), status ? status->parentWidget() : &form);
    button->setObjectName(QStringLiteral("bnEngagement"));
    button->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    button->setToolTip(QStringLiteral("How this design fights another (Ctrl+E)"));
    for (QBoxLayout* row : form.findChildren<QBoxLayout*>())
        if (const int at = row->indexOf(status); at >= 0) {
            row->insertWidget(at + 1, button);
            break;
        }
    if (status) QWidget::setTabOrder(status, button); // right after "Ship status"
    QObject::connect(button, &QPushButton::clicked, &form, [&form] { ShowEngagementPlanner(form); });
    return button;
}

TfrmPlanner* ShowEngagementPlanner(TfrmDesignMain& form) {
    TDesignShip* ship = form.DesignShip();
    if (!ship) return nullptr;
    const DesignInputs inputs = form.Inputs();
    if (inputs.Nation < 0 || inputs.Type < 0) {
        platform::messages().notice("Choose a nation and a ship type before planning an engagement.");
        return nullptr;
    }
    std::optional<DesignRecord> record = form.CurrentDesignRecord();
    if (!record) return nullptr;
    const QString name = QString::fromStdString(inputs.Name).trimmed();
    record->ClassName = name.isEmpty() ? "Own design" : name.toStdString();

    auto* planner = form.findChild<TfrmPlanner*>(QStringLiteral("frmPlanner"));
    if (!planner) {
        // The folders the library added and the dialogs were last left in are listed too.
        planner = new TfrmPlanner(form.Data(), form.ProgramDir(), &form,
                                  designersettings::DesignFoldersOf(form.ProgramDir()));
        BindHelpKey(*planner, form.Data().Weapons, "planner");
    }
    planner->SetOwnDesign(*record, inputs.Range);
    planner->show();
    planner->raise();
    planner->activateWindow();
    return planner;
}
