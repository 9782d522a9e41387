#pragma once

class QLabel;

namespace formular {

// Narrows a label's font step by step, down to a readable limit, until its
// caption wrapped at word boundaries fits the label's width and `room`
// pixels of height (the label's own, or less where a field lies over its
// foot): substitute fonts run wider than the one the window was laid out
// for, and a label cannot grow into its neighbours.
void narrowToFit(QLabel& label, int room);

}  // namespace formular
