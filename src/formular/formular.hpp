#pragma once

// The calculator's one window: title area, five panels that take turns in the
// band below it, and the navigation row. Each click handler is named after
// its control and event.

#include "formular/messages.hpp"

#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace formular {
class Announcer;
}

class Formular : public QWidget {
    Q_OBJECT

public:
    explicit Formular(QWidget* parent = nullptr);

    // Where run-time errors that end a handler go; a modal message box
    // unless replaced.
    void setErrorReporter(formular::ErrorReporter reporter);
    // Where notices such as a missing browser go; a modal message box unless
    // replaced.
    void setMessagePresenter(formular::MessagePresenter presenter);

    // Calculators.
    void cmd_Dichte_Click();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Checkmitmagnesium_Click();

    // Navigation: panels move between the view position and the parking
    // position; nothing is hidden or reset, so every panel keeps its state.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void cmd_ueber_Click();
    void cmd_changewater_Click();
    void cmd_newater_Click();

    // Web links: the publisher's site (title area and about panel) and the
    // maker's site.
    void Label23_Click();
    void Label3_Click();
    void Label17_Click();

protected:
    // Tab stays among the controls the user can see: the panel in view and
    // the navigation row.
    bool focusNextPrevChild(bool next) override;

private:
    template <class Widget>
    Widget* control(std::string_view name) const;
    void buildWindow();
    void connectHandlers();
    // Runs a handler's work; any exception ends it and is reported as a
    // run-time error: out of memory as error 7, anything else not a run-time
    // error already as error 5.
    void runReported(const std::function<void()>& work) const;
    // Opens the address in the user's browser, reporting a failed start.
    void openReported(const std::string& address);

    static void showPanel(QGroupBox* panel);
    static void parkPanel(QGroupBox* panel);
    [[nodiscard]] QGroupBox* panelInView() const;
    bool tabCanReach(const QWidget* widget) const;

    // Writes a result and has a screen reader speak it.
    void showResult(QLabel* label, const QString& result) const;
    void showResult(QPlainTextEdit* field, const QString& result) const;

    formular::ErrorReporter reportError_;
    formular::Announcer* announcer_ = nullptr;
    formular::MessagePresenter presentMessage_;

    QGroupBox* Frm_kalzium = nullptr;
    QGroupBox* frm_magnesium = nullptr;
    QGroupBox* frm_ueber = nullptr;
    QGroupBox* frm_changewater = nullptr;
    QGroupBox* frm_Frischwasser = nullptr;

    QLineEdit* txt_Temperatur = nullptr;
    QLineEdit* txt_Liter = nullptr;
    QLineEdit* txt_Dichte = nullptr;
    QLabel* lbl_ergebnis = nullptr;

    QLineEdit* txt2_Liter = nullptr;
    QLineEdit* txt_Dichtejetzt = nullptr;
    QLineEdit* txt_Dichteneu = nullptr;
    QLabel* lbl2_ergebnis = nullptr;

    QLineEdit* magliter_becken = nullptr;
    QLineEdit* magnesium_becken = nullptr;
    QLineEdit* magnesium_ziel = nullptr;
    QPlainTextEdit* txt_magerg = nullptr;

    QCheckBox* Checkmitmagnesium = nullptr;
    QLineEdit* txt_magnesiumbecken = nullptr;
    QLineEdit* txt_kalziumjetzt = nullptr;
    QLabel* lbl_plusistmagnesium = nullptr;
    QLineEdit* txt_plusistmagnesium = nullptr;
    QLineEdit* txt_pluskalzium = nullptr;
    QLabel* lbl_plusmagnesium = nullptr;
    QLineEdit* txt_plusmagnesium = nullptr;
    QPlainTextEdit* ergebnis_kalzium = nullptr;
};
