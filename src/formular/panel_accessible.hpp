#pragma once

// Panels as assistive technology sees them. The window parks panels out of
// sight by moving them, never by hiding them, so Qt would report every panel
// and its controls as showing; here a panel out of sight is offscreen and
// has no children, and its coming and going is announced.

#include <QAccessibleWidget>
#include <QObject>

#include <utility>
#include <vector>

class QGroupBox;

namespace formular {

// In sight: inside its window's client area and not covered by a panel
// stacked above it.
bool inSight(const QWidget& panel);

class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QGroupBox* panel);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
};

class Announcer;

// Sends the show or hide event for each panel whose sight changed when any
// of them moves, and announces the caption of the panel that came into view.
class PanelSightWatcher : public QObject {
    Q_OBJECT

public:
    PanelSightWatcher(const std::vector<QWidget*>& panels, Announcer& announcer, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::pair<QWidget*, bool>> panels_;  // each with whether it was in sight
    Announcer& announcer_;
};

}  // namespace formular
