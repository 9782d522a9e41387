// What the window's controls do when clicked. A handler that can fail runs
// its work through runReported, so a failure ends the click alone.
//
// Calculators: the "Berechnen" handlers read the fields, let the calculators
// turn their texts into a result text, and write it once. The calcium
// panel's check box shows or hides its magnesium fields.
//
// Navigation: panels switch by moving; the panel in view is the topmost one
// at the view position. The new-water panel never moves and shows whenever no
// other panel covers it; the density-change panel stays at the view position
// under the others until "Neues Wasser" parks it, so "Salz" brings it back.
//
// Links: each hands its fixed address to the URL opener. A browser that cannot
// be started ends the click with a reported run-time error; no browser at all
// is only a notice.

#include "formular/formular.hpp"

#include "calculators/calculators.hpp"
#include "formular/about_texts.hpp"
#include "formular/accessibility.hpp"
#include "formular/control_tables.hpp"
#include "formular/messages.hpp"
#include "formular/regional_settings.hpp"
#include "formular/window_desktop.hpp"
#include "regApi/open_url.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <new>
#include <string>

using formular::forDisplay;
using formular::systemRegionalSettings;
using formular::toUtf8;

namespace {

constexpr QPoint viewPosition{formular::toPixels(formular::tables::viewLeft),
                              formular::toPixels(formular::tables::viewTop)};
constexpr QPoint parkingPosition{formular::toPixels(formular::tables::parkLeft),
                                 formular::toPixels(formular::tables::parkTop)};

}  // namespace

void Formular::runReported(const std::function<void()>& work) const {
    const auto report = [this](const runtime::RuntimeError& error) {
        if (reportError_) {
            reportError_(error);
        }
    };
    // Nothing may leave a Qt slot: any failure ends the handler alone and is
    // told the way a run-time error is. Whatever else goes wrong counts as a
    // call that could not be carried out.
    try {
        try {
            work();
        } catch (const runtime::RuntimeError& error) {
            report(error);
        } catch (const std::bad_alloc&) {
            report(runtime::RuntimeError(runtime::OutOfMemory));
        } catch (...) {
            report(runtime::RuntimeError(runtime::InvalidArgument));
        }
    } catch (...) {
        // Not even the report could be made (memory still short): the
        // handler ends without a word rather than the program.
    }
}

// The focus stays on "Berechnen", so a screen reader would not notice the
// result by itself. A result label is named by the result it shows, as any
// label; its heading is its label.
void Formular::showResult(QLabel* label, const QString& result) const {
    label->setText(result);
    announcer_->announce(result);
}

void Formular::showResult(QPlainTextEdit* field, const QString& result) const {
    field->setPlainText(result);
    announcer_->announce(result);
}

void Formular::cmd_Dichte_Click() {
    runReported([this] {
        const std::string density = toUtf8(txt_Dichte->text());
        const std::string temperature = toUtf8(txt_Temperatur->text());
        const std::string litres = toUtf8(txt_Liter->text());
        showResult(lbl_ergebnis, forDisplay(calculators::newWaterResult(
                                     density, temperature, litres, systemRegionalSettings())));
    });
}

void Formular::Command1_Click() {
    runReported([this] {
        const std::string densityNow = toUtf8(txt_Dichtejetzt->text());
        const std::string densityNew = toUtf8(txt_Dichteneu->text());
        const std::string litres = toUtf8(txt2_Liter->text());
        showResult(lbl2_ergebnis, forDisplay(calculators::densityChangeResult(
                                      densityNow, densityNew, litres, systemRegionalSettings())));
    });
}

void Formular::Command5_Click() {
    runReported([this] {
        const std::string litres = toUtf8(magliter_becken->text());
        const std::string present = toUtf8(magnesium_becken->text());
        const std::string wanted = toUtf8(magnesium_ziel->text());
        showResult(txt_magerg, forDisplay(calculators::magnesiumResult(litres, present, wanted,
                                                                       systemRegionalSettings())));
    });
}

void Formular::Command6_Click() {
    // Emptied first, so a failed calculation leaves no stale report behind.
    ergebnis_kalzium->clear();
    runReported([this] {
        // The magnesium fields count even while hidden.
        const std::string litres = toUtf8(txt_magnesiumbecken->text());
        const std::string calciumNow = toUtf8(txt_kalziumjetzt->text());
        const std::string magnesiumNow = toUtf8(txt_plusistmagnesium->text());
        const std::string calciumWanted = toUtf8(txt_pluskalzium->text());
        const std::string magnesiumWanted = toUtf8(txt_plusmagnesium->text());
        const bool withMagnesium = Checkmitmagnesium->isChecked();
        showResult(ergebnis_kalzium,
                   forDisplay(calculators::calciumResult(litres, calciumNow, magnesiumNow,
                                                         calciumWanted, magnesiumWanted,
                                                         withMagnesium, systemRegionalSettings())));
    });
}

void Formular::Checkmitmagnesium_Click() {
    ergebnis_kalzium->clear();
    const bool withMagnesium = Checkmitmagnesium->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(lbl_plusmagnesium), static_cast<QWidget*>(txt_plusmagnesium),
          static_cast<QWidget*>(lbl_plusistmagnesium),
          static_cast<QWidget*>(txt_plusistmagnesium)}) {
        control->setVisible(withMagnesium);
    }
}

void Formular::showPanel(QGroupBox* panel) { panel->move(viewPosition); }

void Formular::parkPanel(QGroupBox* panel) { panel->move(parkingPosition); }

QGroupBox* Formular::panelInView() const {
    // Children are kept in stacking order, bottom first.
    const QObjectList& stack = children();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        auto* panel = qobject_cast<QGroupBox*>(*it);
        if (panel != nullptr && panel->pos() == viewPosition) {
            return panel;
        }
    }
    return frm_Frischwasser;
}

void Formular::Command2_Click() {
    parkPanel(frm_magnesium);
    parkPanel(frm_ueber);
    parkPanel(Frm_kalzium);
}

void Formular::Command3_Click() {
    showPanel(frm_magnesium);
    parkPanel(frm_ueber);
    parkPanel(Frm_kalzium);
}

void Formular::Command4_Click() {
    showPanel(Frm_kalzium);
    parkPanel(frm_ueber);
    parkPanel(frm_magnesium);
}

void Formular::cmd_ueber_Click() {
    showPanel(frm_ueber);
    parkPanel(frm_magnesium);
    parkPanel(Frm_kalzium);
}

void Formular::cmd_changewater_Click() {
    showPanel(frm_changewater);
    parkPanel(frm_ueber);
}

void Formular::cmd_newater_Click() {
    parkPanel(frm_changewater);
    parkPanel(frm_ueber);
}

void Formular::Label23_Click() { openReported(std::string(formular::publisher::address)); }

void Formular::Label3_Click() { openReported(std::string(formular::publisher::address)); }

void Formular::Label17_Click() { openReported(std::string(formular::maker::webAddress)); }

void Formular::openReported(const std::string& address) {
    runReported([this, &address] {
        formular::WindowDesktop desktop(*this, presentMessage_);
        regApi::openUrl(address, desktop);
    });
}
