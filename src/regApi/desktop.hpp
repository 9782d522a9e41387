#pragma once

// What openUrl needs from the window system. The window implements it; the
// launcher itself stays free of any toolkit.

#include <string>

#include "regApi/browser_command.hpp"

namespace regApi {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts the browser with the address as its one argument, without a
    // shell and without waiting for it. False when nothing was started. Tests
    // override it to see what would be started.
    virtual bool startBrowser(const BrowserProgram& program, const std::string& address);

    // Lets the window events that are waiting run once.
    virtual void processEvents() = 0;

    // Gives the focus back to the main window.
    virtual void focusMainWindow() = 0;

    // A modal box with the text, an OK button only, no icon and the
    // program's title.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace regApi
