#pragma once

// What the URL opener asks of the window system, done with Qt for the main
// window.

#include "formular/messages.hpp"

#include "regApi/desktop.hpp"

#include <string>

class QWidget;

namespace formular {

class WindowDesktop final : public regApi::Desktop {
public:
    WindowDesktop(QWidget& mainWindow, MessagePresenter presentMessage);

    void processEvents() override;
    void focusMainWindow() override;
    void showMessage(const std::string& text) override;

private:
    QWidget& mainWindow_;
    MessagePresenter presentMessage_;
};

}  // namespace formular
