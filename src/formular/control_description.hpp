#pragma once

// One control of the window as plain data: what it is, its caption, where it
// sits (in twips relative to its container) and how it takes the focus.

#include <span>
#include <string_view>

namespace formular {

enum class ControlKind {
    Label,
    Link,  // a label whose left click runs a handler
    TextField,
    ResultField,  // multi-line, read-only; Tab reaches it only with a tab index
    Button,
    CheckBox,
    Panel,
};

enum class ControlStyle {
    Plain,
    Title,        // "- Marelto -" in the title area
    HostName,     // the publisher's host name in the title area
    SiteName,     // the publisher's name on the about panel
    AboutTitle,   // "- Marelto -" on the about panel
    MakerLink,    // the maker's web address on the about panel
    Warning,      // the dark red "measure again" notes
    ResultLabel,  // one-line results of the salt panels
};

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;  // UTF-8; initial text for fields, lines ending in CR LF
    int left;                  // twips
    int top;
    int width;
    int height;
    int tabIndex = 0;  // 1 first; 0 for controls Tab never reaches
    ControlStyle style = ControlStyle::Plain;
    bool hiddenAtStart = false;
};

// The controls that live on one panel of the window.
struct PanelDescription {
    std::string_view panelName;
    std::span<const ControlDescription> controls;
};

inline constexpr int twipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / twipsPerPixel; }

// Every place and size must land on whole pixels, or the layout would drift.
constexpr bool onPixelGrid(std::span<const ControlDescription> controls) {
    for (const ControlDescription& c : controls) {
        for (int v : {c.left, c.top, c.width, c.height}) {
            if (v % twipsPerPixel != 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace formular
