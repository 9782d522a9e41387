#pragma once

// The about panel's texts: the web site Marelto is published under, the
// company that made it, and the terms of use. Every detail is a placeholder
// under the reserved .example domain; a distributor puts its own here and
// nowhere else. The version line comes from the build (release.hpp).

#include <string_view>

// The publisher's host name is shown in the title area and on the about
// panel, begins the window caption, and both links to the site open its
// address.
namespace formular::publisher {

inline constexpr std::string_view hostName = "www.marelto.example";
inline constexpr std::string_view address = "http://www.marelto.example";

static_assert(address.starts_with("http://") && address.substr(7) == hostName,
              "the links open the host name they show");

}  // namespace formular::publisher

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

namespace formular {

// Four paragraphs (licence, liability, the science behind the salt amounts,
// the dosing method), lines ended with CR LF and kept short enough to show
// unwrapped in the field.
inline constexpr std::string_view termsOfUse =
    "Diese Software darf von Privatpersonen kostenlos genutzt und\r\n"
    "in unveränderter Form weitergegeben werden. Jede gewerbliche\r\n"
    "Nutzung, der Verkauf und die Veränderung des Programms\r\n"
    "bedürfen der schriftlichen Zustimmung des Herstellers.\r\n"
    "\r\n"
    "Weder die Entwickler der Software noch der Hersteller haften\r\n"
    "für Schäden, die durch ihre Nutzung entstehen können.\r\n"
    "\r\n"
    "Die Meersalzberechnung beruht auf den UNESCO-Algorithmen\r\n"
    "von 1983 zur Berechnung der grundlegenden Eigenschaften des\r\n"
    "Meerwassers (UNESCO technical papers in marine science,\r\n"
    "Nr. 44).\r\n"
    "\r\n"
    "Die Berechnungen von Calcium und Magnesium folgen der\r\n"
    "Balling-Methode.\r\n";

}  // namespace formular
