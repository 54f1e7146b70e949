#include "setup/setup_window.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "setup/setup_texts.h"

namespace lumox::setup {

void PrepareSetupWindow(QWidget* window) {
    window->setWindowTitle(QString::fromUtf8(kWindowTitle));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window->frameSize().expandedTo(window->size());
        window->move(area.x() + (area.width() - size.width()) / 2,
                     area.y() + (area.height() - size.height()) / 3);
    }
}

}  // namespace lumox::setup
