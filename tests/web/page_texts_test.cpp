// The assembled web page shows the window's texts: every control of the
// window's tables is on the page under its own name as id, with the same
// caption, field text or start text, where a visitor sees it.

#include "formular/control_tables.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using formular::ControlDescription;
using formular::ControlKind;

std::string page() {
    std::ifstream file(MARELTO_WEB_PAGE);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text between the end of the tag that holds `attribute` and the next
// closing tag: the page's captions hold no markup.
std::string contentAfter(const std::string& html, const std::string& attribute) {
    const auto at = html.find(attribute);
    if (at == std::string::npos) {
        return "(no " + attribute + ")";
    }
    const auto begin = html.find('>', at) + 1;
    return html.substr(begin, html.find("</", begin) - begin);
}

std::string valueOf(const std::string& html, const std::string& id) {
    const auto at = html.find("id=\"" + id + '"');
    if (at == std::string::npos) {
        return "(no id " + id + ")";
    }
    const auto tagEnd = html.find('>', at);
    const auto value = html.find("value=\"", at);
    if (value == std::string::npos || value > tagEnd) {
        return "(no value)";
    }
    return html.substr(value + 7, html.find('"', value + 7) - value - 7);
}

// Captions end their lines with CR LF; the page with LF.
std::string withLineFeeds(std::string_view caption) {
    std::string text;
    for (char c : caption) {
        if (c != '\r') {
            text += c;
        }
    }
    return text;
}

std::string shownOnPage(const std::string& html, const ControlDescription& control) {
    const std::string name(control.name);
    switch (control.kind) {
        case ControlKind::TextField:
            return valueOf(html, name);
        case ControlKind::CheckBox:
            return contentAfter(html, "for=\"" + name + '"');
        case ControlKind::Panel:
            return contentAfter(html, "id=\"" + name + "_caption\"");
        default:
            return contentAfter(html, "id=\"" + name + '"');
    }
}

TEST(WebPage, ShowsEveryControlOfTheWindowWithItsText) {
    namespace t = formular::tables;
    const std::string html = page();
    ASSERT_FALSE(html.empty()) << MARELTO_WEB_PAGE;
    for (std::span<const ControlDescription> controls :
         {std::span<const ControlDescription>(t::windowControls),
          {t::newWaterControls},
          {t::densityChangeControls},
          {t::magnesiumControls},
          {t::calciumControls},
          {t::aboutControls}}) {
        for (const ControlDescription& control : controls) {
            EXPECT_EQ(shownOnPage(html, control), withLineFeeds(control.caption)) << control.name;
        }
    }
}

}  // namespace
