#pragma once

#include <QAccessibleWidget>

namespace formular {

class LinkLabel;

// A link label as assistive technology sees it: a link named by its text,
// with a press action that follows it as a click does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

}  // namespace formular
