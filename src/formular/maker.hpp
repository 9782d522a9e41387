#pragma once

// The company that made Marelto, as the about panel names it. Every detail is
// a placeholder under the reserved .example domain; a distributor puts its
// own here and nowhere else.

#include <string_view>

namespace formular::maker {

inline constexpr std::string_view companyAndRelease = "Muster Aquaristik GmbH 12/2026";
inline constexpr std::string_view street = "Musterstraße 1";
inline constexpr std::string_view postalCodeAndTown = "12345 Musterstadt";
inline constexpr std::string_view country = "Deutschland";
inline constexpr std::string_view commercialRegister = "Amtsgericht Musterstadt HRB 12345";
inline constexpr std::string_view vatIdLine = "UmSt-Id-Nr: DE000000000";
inline constexpr std::string_view phoneLine = "Tel: 0123 456789-0";
inline constexpr std::string_view faxLine = "Fax: 0123 456789-9";
inline constexpr std::string_view emailLine = "Email: info@muster.example";

// The address the maker's link opens, and the line that shows it.
inline constexpr std::string_view webAddress = "http://muster.example";
inline constexpr std::string_view webAddressLine = "URL: http://muster.example";

static_assert(vatIdLine.starts_with("UmSt-Id-Nr: "));
static_assert(phoneLine.starts_with("Tel: ") && faxLine.starts_with("Fax: "));
static_assert(emailLine.starts_with("Email: "));
static_assert(webAddress.starts_with("http://"));
static_assert(webAddressLine.starts_with("URL: ") && webAddressLine.substr(5) == webAddress,
              "the link opens the address it shows");

}  // namespace formular::maker
