// The "Berechnen" handlers and the calcium panel's check box: read the
// fields, let the calculators turn their texts into a result text, write it
// once.

#include "formular/formular.hpp"

#include "calculators/calculators.hpp"
#include "formular/announcer.hpp"
#include "formular/messages.hpp"
#include "formular/regional_settings.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <string>

using formular::forDisplay;
using formular::systemRegionalSettings;
using formular::toUtf8;

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
