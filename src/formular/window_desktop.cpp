#include "formular/window_desktop.hpp"

#include <QCoreApplication>
#include <QWidget>

#include <utility>

namespace formular {

WindowDesktop::WindowDesktop(QWidget& mainWindow, MessagePresenter presentMessage)
    : mainWindow_(mainWindow), presentMessage_(std::move(presentMessage)) {}

void WindowDesktop::processEvents() { QCoreApplication::processEvents(); }

void WindowDesktop::focusMainWindow() { mainWindow_.activateWindow(); }

void WindowDesktop::showMessage(const std::string& text) {
    if (presentMessage_) {
        presentMessage_(QString::fromStdString(text));
    }
}

}  // namespace formular
