#include "platform/qt/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace platform {

void FitToScreen(QWidget& window, QSize wanted, QSize least) {
    // The screen of the window it opens from, else its own (the primary one
    // before it is shown).
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent ? parent->screen() : window.screen();
    if (!screen) {
        window.resize(wanted.expandedTo(least));
        return;
    }
    const QSize room = screen->availableGeometry().size();
    const QSize frame(40, 60); // the window's frame and title bar
    window.resize(wanted.boundedTo(room - frame).expandedTo(least).boundedTo(room));
}

} // namespace platform
