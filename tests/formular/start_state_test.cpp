// The window as the user first sees it, and what no key or click may do.

#include "formular/images.hpp"
#include "window_probe.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>

using probe::control;

class StartStateTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void focusInTemperatureField();
    void calciumPanelStartsWithoutMagnesium();
    void resultsStartEmptyAndReadOnly_data();
    void resultsStartEmptyAndReadOnly();
    void resultFieldsCanBeSelectedAndCopied();
    void enterInAFieldPressesNoButton();
    // Last: it leaves the quicker style in place.
    void panelsLookAlikeWithQuickFrames();

private:
    std::unique_ptr<Formular> window_;
};

void StartStateTest::init() {
    window_ = std::make_unique<Formular>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void StartStateTest::focusInTemperatureField() {
    QCOMPARE(QApplication::focusWidget(), control(*window_, "txt_Temperatur"));
}

void StartStateTest::calciumPanelStartsWithoutMagnesium() {
    QVERIFY(!control<QCheckBox>(*window_, "Checkmitmagnesium")->isChecked());
    for (const char* name : {"lbl_plusmagnesium", "txt_plusmagnesium", "lbl_plusistmagnesium",
                             "txt_plusistmagnesium"}) {
        QVERIFY2(control(*window_, name)->isHidden(), name);
    }
    QVERIFY(!control(*window_, "txt_kalziumjetzt")->isHidden());
}

void StartStateTest::resultsStartEmptyAndReadOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("magnesium") << "txt_magerg";
    QTest::newRow("calcium") << "ergebnis_kalzium";
}

void StartStateTest::resultsStartEmptyAndReadOnly() {
    QFETCH(QString, name);
    auto* result = control<QPlainTextEdit>(*window_, name);
    QVERIFY(result->toPlainText().isEmpty());
    QVERIFY(result->isReadOnly());
    QCOMPARE(result->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(result->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(control<QLabel>(*window_, "lbl_ergebnis")->text().isEmpty());
    QVERIFY(control<QLabel>(*window_, "lbl2_ergebnis")->text().isEmpty());
}

void StartStateTest::resultFieldsCanBeSelectedAndCopied() {
    probe::press(*window_, "Command3");
    probe::press(*window_, "Command5");
    auto* result = control<QPlainTextEdit>(*window_, "txt_magerg");
    const QString report = result->toPlainText();
    QVERIFY(!report.isEmpty());
    result->setFocus();
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(result, "xyz");
    QCOMPARE(result->toPlainText(), report);
    QCOMPARE(result->textCursor().selectedText().size(), report.size());
}

void StartStateTest::enterInAFieldPressesNoButton() {
    for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
    auto* density = control<QLineEdit>(*window_, "txt_Dichte");
    density->setFocus();
    QTest::keyClick(density, Qt::Key_Return);
    QTest::keyClick(density, Qt::Key_Enter);
    QTest::keyClick(density, Qt::Key_Escape);
    QVERIFY(control<QLabel>(*window_, "lbl_ergebnis")->text().isEmpty());
    QVERIFY(window_->isVisible());
}

void StartStateTest::panelsLookAlikeWithQuickFrames() {
    if (QApplication::style()->name().compare("fusion", Qt::CaseInsensitive) != 0) {
        QSKIP("the frames are only replaced under Fusion");
    }
    const QList<QGroupBox*> panels = window_->findChildren<QGroupBox*>();
    QCOMPARE(panels.size(), 5);
    QList<QImage> fusion;
    for (QGroupBox* panel : panels) fusion.append(panel->grab().toImage());

    formular::quickenPanelFrames();
    QVERIFY(qobject_cast<QProxyStyle*>(QApplication::style()) != nullptr);
    Formular quick;
    quick.show();
    QVERIFY(QTest::qWaitForWindowExposed(&quick));
    for (qsizetype i = 0; i < panels.size(); ++i) {
        const QString name = panels[i]->objectName();
        QVERIFY2(probe::control<QGroupBox>(quick, name)->grab().toImage() == fusion[i],
                 qPrintable(name));
    }
}

QTEST_MAIN(StartStateTest)
#include "start_state_test.moc"
