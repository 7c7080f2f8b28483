#pragma once
// The "Design check" list under the totals: what is wrong with the design in
// plain words, refreshed with every recompute, never modal.
#include <vector>

#include "designfile/DesignCheck.h"

class QListWidget;
class QVBoxLayout;
class QWidget;
struct DesignFormWidgets;

// The group "gbDesignCheck" with the list "lvDesignCheck", added to `column`.
void BuildDesignCheckGroup(QWidget* central, QVBoxLayout* column, DesignFormWidgets& w);

// One row per problem (red, advice in brown), or "No problems found.".
void FillDesignCheckList(QListWidget* list, const std::vector<DesignProblem>& problems);
