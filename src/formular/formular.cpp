#include "formular/formular.hpp"

#include "formular/about_texts.hpp"
#include "formular/accessibility.hpp"
#include "formular/control_tables.hpp"
#include "formular/controls.hpp"
#include "formular/release.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>
#include <vector>

using namespace formular;

namespace {

// Fixed single border: title bar and close box, no maximise or minimise.
constexpr Qt::WindowFlags fixedWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                             Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint |
                                             Qt::MSWindowsFixedSizeDialogHint;

struct ClickHandler {
    std::string_view control;
    void (Formular::*handler)();
};

constexpr std::array clickHandlers{
    ClickHandler{"cmd_Dichte", &Formular::cmd_Dichte_Click},
    ClickHandler{"Command1", &Formular::Command1_Click},
    ClickHandler{"Command5", &Formular::Command5_Click},
    ClickHandler{"Command6", &Formular::Command6_Click},
    ClickHandler{"Checkmitmagnesium", &Formular::Checkmitmagnesium_Click},
    ClickHandler{"Command2", &Formular::Command2_Click},
    ClickHandler{"Command3", &Formular::Command3_Click},
    ClickHandler{"Command4", &Formular::Command4_Click},
    ClickHandler{"cmd_ueber", &Formular::cmd_ueber_Click},
    ClickHandler{"cmd_changewater", &Formular::cmd_changewater_Click},
    ClickHandler{"cmd_newater", &Formular::cmd_newater_Click},
};

constexpr std::array linkHandlers{
    ClickHandler{"Label23", &Formular::Label23_Click},
    ClickHandler{"Label3", &Formular::Label3_Click},
    ClickHandler{"Label17", &Formular::Label17_Click},
};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

Formular::Formular(QWidget* parent)
    : QWidget(parent, fixedWindowFlags),
      reportError_(messageBoxReporter(this)),
      presentMessage_(messageBoxPresenter(this)) {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("formular"));
    setWindowTitle(fromUtf8(publisher::hostName) + QStringLiteral(" Marelto V") +
                   fromUtf8(release::shownVersion));
    setFont(defaultFont());
    setFixedSize(toPixels(tables::clientWidth), toPixels(tables::clientHeight));
    buildWindow();
    connectHandlers();
    // Takes effect when the window is first activated.
    txt_Temperatur->setFocus(Qt::OtherFocusReason);
}

void Formular::setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

void Formular::setMessagePresenter(MessagePresenter presenter) {
    presentMessage_ = std::move(presenter);
}

template <class Widget>
Widget* Formular::control(std::string_view name) const {
    auto* widget = findChild<Widget*>(fromUtf8(name));
    if (widget == nullptr) {
        qFatal("Formular: control %.*s missing from the control tables", int(name.size()),
               name.data());
    }
    return widget;
}

void Formular::buildWindow() {
    const std::vector<QWidget*> windowWidgets = buildControls(*this, tables::windowControls);
    stackTopFirst(windowWidgets);

    std::vector<QWidget*> focusChain;
    for (const PanelDescription& panel : tables::panels) {
        const std::vector<QWidget*> widgets =
            buildControls(*control<QGroupBox>(panel.panelName), panel.controls);
        for (QWidget* widget : inTabOrder(panel.controls, widgets)) {
            focusChain.push_back(widget);
        }
    }
    for (QWidget* widget : inTabOrder(tables::windowControls, windowWidgets)) {
        focusChain.push_back(widget);
    }
    for (std::size_t i = 1; i < focusChain.size(); ++i) {
        QWidget::setTabOrder(focusChain[i - 1], focusChain[i]);
    }

    Frm_kalzium = control<QGroupBox>("Frm_kalzium");
    frm_magnesium = control<QGroupBox>("frm_magnesium");
    frm_ueber = control<QGroupBox>("frm_ueber");
    frm_changewater = control<QGroupBox>("frm_changewater");
    frm_Frischwasser = control<QGroupBox>("frm_Frischwasser");
    announcer_ = new Announcer(this);
    new PanelSightWatcher(
        {Frm_kalzium, frm_magnesium, frm_ueber, frm_changewater, frm_Frischwasser}, *announcer_,
        this);

    txt_Temperatur = control<QLineEdit>("txt_Temperatur");
    txt_Liter = control<QLineEdit>("txt_Liter");
    txt_Dichte = control<QLineEdit>("txt_Dichte");
    lbl_ergebnis = control<QLabel>("lbl_ergebnis");

    txt2_Liter = control<QLineEdit>("txt2_Liter");
    txt_Dichtejetzt = control<QLineEdit>("txt_Dichtejetzt");
    txt_Dichteneu = control<QLineEdit>("txt_Dichteneu");
    lbl2_ergebnis = control<QLabel>("lbl2_ergebnis");

    magliter_becken = control<QLineEdit>("magliter_becken");
    magnesium_becken = control<QLineEdit>("magnesium_becken");
    magnesium_ziel = control<QLineEdit>("magnesium_ziel");
    txt_magerg = control<QPlainTextEdit>("txt_magerg");

    Checkmitmagnesium = control<QCheckBox>("Checkmitmagnesium");
    txt_magnesiumbecken = control<QLineEdit>("txt_magnesiumbecken");
    txt_kalziumjetzt = control<QLineEdit>("txt_kalziumjetzt");
    lbl_plusistmagnesium = control<QLabel>("lbl_plusistmagnesium");
    txt_plusistmagnesium = control<QLineEdit>("txt_plusistmagnesium");
    txt_pluskalzium = control<QLineEdit>("txt_pluskalzium");
    lbl_plusmagnesium = control<QLabel>("lbl_plusmagnesium");
    txt_plusmagnesium = control<QLineEdit>("txt_plusmagnesium");
    ergebnis_kalzium = control<QPlainTextEdit>("ergebnis_kalzium");

    nameControls(*this);
}

void Formular::connectHandlers() {
    for (const ClickHandler& click : clickHandlers) {
        connect(control<QAbstractButton>(click.control), &QAbstractButton::clicked, this,
                click.handler);
    }
    for (const ClickHandler& click : linkHandlers) {
        connect(control<LinkLabel>(click.control), &LinkLabel::clicked, this, click.handler);
    }
}

bool Formular::focusNextPrevChild(bool next) {
    QWidget* const start = focusWidget();
    if (start == nullptr) {
        return QWidget::focusNextPrevChild(next);
    }
    for (QWidget* widget = next ? start->nextInFocusChain() : start->previousInFocusChain();
         widget != start;
         widget = next ? widget->nextInFocusChain() : widget->previousInFocusChain()) {
        if (!tabCanReach(widget)) {
            continue;
        }
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            // Tab selects a field's text. A line edit would select it as it
            // takes the focus, before Qt tells assistive technology of the
            // focus, and Orca would speak the value for the selection and
            // again for the field; selected after, it is part of what the
            // field says. The window marks the change as made by keyboard,
            // as for any Tab.
            setAttribute(Qt::WA_KeyboardFocusChange);
            field->setFocus(Qt::OtherFocusReason);
            if (!field->hasSelectedText()) {
                field->selectAll();
            }
            return true;
        }
        widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

bool Formular::tabCanReach(const QWidget* widget) const {
    if (widget == this || !isAncestorOf(widget)) {
        return false;
    }
    if ((widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !widget->isEnabled() ||
        !widget->isVisibleTo(this)) {
        return false;
    }
    const QWidget* onWindow = widget;
    while (onWindow->parentWidget() != this) {
        onWindow = onWindow->parentWidget();
    }
    const auto* panel = qobject_cast<const QGroupBox*>(onWindow);
    return panel == nullptr || panel == panelInView();
}
