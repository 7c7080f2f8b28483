#include "designer/DesignCheckList.h"

#include "designer/DesignFormWidgets.h"
#include "platform/qt/QtMessages.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

void BuildDesignCheckGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w) {
    auto* g = new QGroupBox(QStringLiteral("Design check"), central);
    g->setObjectName(QStringLiteral("gbDesignCheck"));
    auto* box = new QVBoxLayout(g);
    box->setContentsMargins(6, 2, 6, 4);
    w.lvDesignCheck = new QListWidget(g);
    w.lvDesignCheck->setObjectName(QStringLiteral("lvDesignCheck"));
    w.lvDesignCheck->setWordWrap(true);
    w.lvDesignCheck->setFocusPolicy(Qt::NoFocus);
    w.lvDesignCheck->setSelectionMode(QAbstractItemView::NoSelection);
    w.lvDesignCheck->setMinimumHeight(54);
    box->addWidget(w.lvDesignCheck);
    column->addWidget(g, 1);
}

void FillDesignCheckList(QListWidget* list, const std::vector<DesignProblem>& problems) {
    list->clear();
    if (problems.empty()) {
        auto* item = new QListWidgetItem(QStringLiteral("No problems found."), list);
        item->setForeground(QColor(Qt::darkGreen));
    }
    for (const DesignProblem& p : problems) {
        auto* item = new QListWidgetItem(platform::toQ(p.text), list);
        item->setForeground(p.kind == ProblemKind::Advice ? QColor(150, 90, 0) : QColor(Qt::red));
        item->setToolTip(platform::toQ(p.text));
    }
}
