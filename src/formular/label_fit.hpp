#pragma once

class QLabel;

namespace formular {

// Narrows a label's font step by step, down to a readable limit, until its
// caption wrapped at word boundaries fits the label's box: substitute fonts
// run wider than the one the window was laid out for, and a label cannot
// grow into its neighbours.
void narrowToFit(QLabel& label);

}  // namespace formular
