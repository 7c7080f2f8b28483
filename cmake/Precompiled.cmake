# Precompiled headers: the standard library, JSON, Qt and GoogleTest headers
# that most sources include are parsed once per target instead of once per
# file. SHIP_PCH=OFF builds without them (for checking that every file
# includes what it uses).
option(SHIP_PCH "Precompile the common headers of each target" ON)

set(SHIP_PCH_STD <algorithm> <array> <cmath> <cstdint> <functional> <map> <memory> <optional> <set>
  <sstream> <string> <string_view> <utility> <vector>)
set(SHIP_PCH_QT <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFileInfo> <QGridLayout>
  <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QListWidget> <QObject> <QPainter>
  <QPushButton> <QSpinBox> <QString> <QTableWidget> <QTimer> <QVBoxLayout> <QWidget>)

function(ship_precompile target)
  if(SHIP_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
