#pragma once

// What openUrl needs from the window system. The window implements it; the
// launcher itself stays free of any toolkit.

#include <string>

#include "regApi/browser_program.hpp"
#include "regApi/process_start.hpp"

namespace regApi {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts the browser with the address as its one argument, without
    // waiting for it. False when nothing was started.
    virtual bool startBrowser(const BrowserProgram& program, const std::string& address) {
        return launchBrowser(program, address);
    }

    // A command line started as startDetachedProcess starts it. openUrl no
    // longer starts anything through it; it stays while windows override it.
    virtual bool startProcess(const std::string& commandLine) {
        return startDetachedProcess(commandLine);
    }

    // Lets the window events that are waiting run once.
    virtual void processEvents() = 0;

    // Gives the focus back to the main window.
    virtual void focusMainWindow() = 0;

    // A modal box with the text, an OK button only, no icon and the
    // program's title.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace regApi
