#pragma once

// The web site under whose name Marelto is published. Its host name is shown
// in the title area and begins the window caption; change it here only.

#include <string_view>

namespace formular::publisher {

inline constexpr std::string_view hostName = "www.marelto.example";
inline constexpr std::string_view windowCaption = "www.marelto.example Marelto V1.0";

static_assert(windowCaption.starts_with(hostName),
              "the window caption begins with the host name shown in the title area");

}  // namespace formular::publisher
