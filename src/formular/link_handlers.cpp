// The three web links: each hands its fixed address to the URL opener. A
// browser that cannot be started ends the click with a reported run-time
// error; no browser at all is only a notice.

#include "formular/formular.hpp"

#include "formular/about_texts.hpp"
#include "formular/window_desktop.hpp"

#include "regApi/open_url.hpp"

#include <string>

void Formular::Label23_Click() { openReported(std::string(formular::publisher::address)); }

void Formular::Label3_Click() { openReported(std::string(formular::publisher::address)); }

void Formular::Label17_Click() { openReported(std::string(formular::maker::webAddress)); }

void Formular::openReported(const std::string& address) {
    runReported([this, &address] {
        formular::WindowDesktop desktop(*this, presentMessage_);
        regApi::openUrl(address, desktop);
    });
}
