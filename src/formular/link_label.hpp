#pragma once

#include <QLabel>

namespace formular {

// A label that reports a left click: pressed and released on the label, as a
// button counts a click. A double-click counts as the one click that began it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link as a click does, for assistive technology.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace formular
