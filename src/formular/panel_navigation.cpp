// Switching panels by moving them: the panel in view is the topmost one at
// the view position. The new-water panel never moves and shows whenever no
// other panel covers it; the density-change panel stays at the view position
// under the others until "Neues Wasser" parks it, so "Salz" brings it back.

#include "formular/formular.hpp"

#include "formular/control_tables.hpp"

#include <QGroupBox>

namespace {

constexpr QPoint viewPosition{formular::toPixels(formular::tables::viewLeft),
                              formular::toPixels(formular::tables::viewTop)};
constexpr QPoint parkingPosition{formular::toPixels(formular::tables::parkLeft),
                                 formular::toPixels(formular::tables::parkTop)};

}  // namespace

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
