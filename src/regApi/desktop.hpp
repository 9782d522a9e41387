#pragma once

// What openUrl needs from the window system. The window implements it; the
// launcher itself stays free of any toolkit.

#include <string>

namespace regApi {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts the command line as a new process in a normal window that takes
    // the focus, without a shell and without waiting for it. False when no
    // process could be started. startDetachedProcess (process_start.hpp) does
    // exactly this and may serve as the implementation.
    virtual bool startProcess(const std::string& commandLine) = 0;

    // Lets the window events that are waiting run once.
    virtual void processEvents() = 0;

    // Gives the focus back to the main window.
    virtual void focusMainWindow() = 0;

    // A modal box with the text, an OK button only, no icon and the
    // program's title.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace regApi
