#pragma once
// The protection window: the immune zones of a design's armour against the
// calibres of 8 to 18 inches (and its own main calibre), and a chart of one
// calibre's belt and deck penetration against range with the design's belt
// and deck and the immune zone drawn in. It reads the inputs it is given
// (the form's, unsaved changes included) at each Refresh.
#include <QWidget>

#include <functional>

#include "combat/Protection.h"
#include "designfile/DesignInputs.h"
#include "tables/WeaponData.h"

class QChart;
class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QTableWidget;
class QValueAxis;

class TfrmProtection : public QWidget {
    Q_OBJECT
public:
    using InputsSource = std::function<DesignInputs()>;
    TfrmProtection(const WeaponTables& weapons, InputsSource inputs, QWidget* parent = nullptr);

    // Reads the inputs again and redraws table and chart.
    void Refresh();

    QTableWidget* Table() const { return table_; }
    QComboBox* CalibreList() const { return cbCalibre_; }
    QChart* Chart() const { return chart_; }
    QLabel* Summary() const { return summary_; }
    // The calibre the chart shows.
    int ChartCalibre() const;

private:
    void FillTable(const ShipArmour& armour, int ownCalibre);
    QTableWidget* BuildTable();
    QHBoxLayout* BuildCalibrePick();
    QChartView* BuildChart();
    void DrawChart();
    // The table row of the charted calibre is the selected one.
    void SelectChartRow();

    const WeaponTables& weapons_;
    InputsSource inputs_;
    ShipArmour armour_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QComboBox* cbCalibre_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QValueAxis* axisX_ = nullptr;
    QValueAxis* axisY_ = nullptr;
};
