#pragma once

// The web site under whose name Marelto is published. Its host name is shown
// in the title area and on the about panel, begins the window caption, and
// both links to the site open its address; change it here only.

#include <string_view>

namespace formular::publisher {

inline constexpr std::string_view hostName = "www.marelto.example";
inline constexpr std::string_view address = "http://www.marelto.example";

static_assert(address.starts_with("http://") && address.substr(7) == hostName,
              "the links open the host name they show");

}  // namespace formular::publisher
