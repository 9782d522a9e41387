#include "formular/accessible_naming.hpp"

#include "formular/accessible_names.hpp"

#include <QLabel>
#include <QRegularExpression>

#include <string_view>

namespace formular {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <class Widget>
Widget& control(const QWidget& window, std::string_view name) {
    auto* widget = window.findChild<Widget*>(fromUtf8(name));
    if (widget == nullptr) {
        qFatal("accessible names: control %.*s missing from the control tables", int(name.size()),
               name.data());
    }
    return *widget;
}

// A caption as it is read aloud: a word that the label breaks at a hyphen
// ("Magnesium- gehalt") is whole again, and stray blanks go.
QString spoken(QString caption) {
    static const QRegularExpression brokenWord(QStringLiteral("(\\w)- (\\p{Ll})"));
    return caption.replace(brokenWord, QStringLiteral("\\1\\2")).simplified();
}

}  // namespace

void nameControls(QWidget& window) {
    for (const tables::CaptionedControl& captioned : tables::captionedControls) {
        auto& label = control<QLabel>(window, captioned.label);
        auto& captionedControl = control<QWidget>(window, captioned.control);
        // Also tells assistive technology which label captions the control.
        label.setBuddy(&captionedControl);
        const QString name = spoken(label.text());
        // A reader speaks the caption of a field as its label's name; the
        // caption shown keeps its break.
        if (name != label.text().simplified()) {
            label.setAccessibleName(name);
        }
        // A result label is named by the result it shows.
        if (qobject_cast<QLabel*>(&captionedControl) == nullptr) {
            captionedControl.setAccessibleName(name);
        }
    }
    for (const tables::NamedControl& named : tables::namedControls) {
        control<QWidget>(window, named.control).setAccessibleName(fromUtf8(named.name));
    }
}

}  // namespace formular
