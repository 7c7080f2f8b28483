#pragma once
// How a window opens: at the size it wants where the screen has room, never
// larger than the screen it opens on (room kept for its frame), and not
// smaller than the least it needs where the screen holds that.
#include <QSize>

class QWidget;

namespace platform {

void FitToScreen(QWidget& window, QSize wanted, QSize least = QSize());

} // namespace platform
