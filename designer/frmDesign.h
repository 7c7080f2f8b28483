#pragma once
// The main design form (placeholder until the full form lands).
#include <QMainWindow>

class TfrmDesignMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmDesignMain(QWidget* parent = nullptr);
};
