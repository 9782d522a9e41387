// Writes the window's texts as JSON for the site's assembly, which puts them
// into the page: every control of the window's tables with its kind and its
// caption, field text or start text, and where a link leads. So the page
// shows what the window shows, version included, and no caption is typed a
// second time.
//
//   node --no-experimental-fetch page_texts.js > texts.json   (or the native page_texts)

#include "formular/about_texts.hpp"
#include "formular/control_tables.hpp"

#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

using formular::ControlDescription;
using formular::ControlKind;

std::string_view kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "label";
        case ControlKind::Link:
            return "link";
        case ControlKind::TextField:
            return "field";
        case ControlKind::ResultField:
            return "result";
        case ControlKind::Button:
            return "button";
        case ControlKind::CheckBox:
            return "checkbox";
        case ControlKind::Panel:
            return "panel";
    }
    return "unknown";
}

struct LinkTarget {
    std::string_view control;
    std::string_view address;
};

// The addresses the window's link handlers open.
constexpr std::array linkTargets{
    LinkTarget{"Label23", formular::publisher::address},
    LinkTarget{"Label3", formular::publisher::address},
    LinkTarget{"Label17", formular::maker::webAddress},
};

// A JSON string; the texts are UTF-8, which JSON carries as it is.
std::string quoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\n':
                json += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 8> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04x",
                                  static_cast<unsigned>(c));
                    json += escape.data();
                } else {
                    json += c;
                }
        }
    }
    return json + '"';
}

std::string entry(const ControlDescription& control) {
    std::string json = "{\"id\":" + quoted(control.name) +
                       ",\"kind\":" + quoted(kindName(control.kind)) +
                       ",\"text\":" + quoted(control.caption);
    for (const LinkTarget& link : linkTargets) {
        if (link.control == control.name) {
            json += ",\"address\":" + quoted(link.address);
        }
    }
    return json + '}';
}

}  // namespace

int main() {
    namespace t = formular::tables;
    std::string json = "[";
    const char* separator = "\n";
    for (std::span<const ControlDescription> controls :
         {std::span<const ControlDescription>(t::windowControls),
          {t::newWaterControls},
          {t::densityChangeControls},
          {t::magnesiumControls},
          {t::calciumControls},
          {t::aboutControls}}) {
        for (const ControlDescription& control : controls) {
            json += separator + entry(control);
            separator = ",\n";
        }
    }
    json += "\n]\n";
    return std::fputs(json.c_str(), stdout) < 0 ? 1 : 0;
}
