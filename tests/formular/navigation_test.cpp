// Which panel the user sees after any sequence of button presses, and that
// switching never loses what was typed or calculated.

#include "window_probe.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using probe::control;

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void panelInView_data();
    void panelInView();
    void typedTextsAndResultsSurviveSwitching();

private:
    std::unique_ptr<Formular> window_;
    QList<int> errors_;
};

void NavigationTest::init() {
    window_ = std::make_unique<Formular>();
    errors_.clear();
    window_->setErrorReporter([this](const runtime::RuntimeError& error) {
        errors_.append(error.number());
    });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void NavigationTest::panelInView_data() {
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("seen");

    const QString newWater = "frm_Frischwasser";
    const QString change = "frm_changewater";
    QTest::newRow("start") << QStringList{} << newWater;
    QTest::newRow("Salz at start") << QStringList{"Command2"} << newWater;
    QTest::newRow("Magnesium") << QStringList{"Command3"} << "frm_magnesium";
    QTest::newRow("Magnesium twice") << QStringList{"Command3", "Command3"} << "frm_magnesium";
    QTest::newRow("Calcium") << QStringList{"Command4"} << "Frm_kalzium";
    QTest::newRow("Calcium twice") << QStringList{"Command4", "Command4"} << "Frm_kalzium";
    QTest::newRow("Über") << QStringList{"cmd_ueber"} << "frm_ueber";
    QTest::newRow("Über twice") << QStringList{"cmd_ueber", "cmd_ueber"} << "frm_ueber";
    QTest::newRow("Über, Salz") << QStringList{"cmd_ueber", "Command2"} << newWater;
    QTest::newRow("Magnesium, Calcium") << QStringList{"Command3", "Command4"} << "Frm_kalzium";
    QTest::newRow("Calcium, Magnesium") << QStringList{"Command4", "Command3"} << "frm_magnesium";
    QTest::newRow("Calcium, Über") << QStringList{"Command4", "cmd_ueber"} << "frm_ueber";
    QTest::newRow("Wasser ändern") << QStringList{"cmd_changewater"} << change;
    QTest::newRow("Wasser ändern twice")
        << QStringList{"cmd_changewater", "cmd_changewater"} << change;
    QTest::newRow("Wasser ändern, Salz") << QStringList{"cmd_changewater", "Command2"} << change;
    QTest::newRow("Wasser ändern, Magnesium")
        << QStringList{"cmd_changewater", "Command3"} << "frm_magnesium";
    QTest::newRow("Wasser ändern, Magnesium, Salz")
        << QStringList{"cmd_changewater", "Command3", "Command2"} << change;
    QTest::newRow("Wasser ändern, Über, Salz")
        << QStringList{"cmd_changewater", "cmd_ueber", "Command2"} << change;
    QTest::newRow("Wasser ändern, Neues Wasser")
        << QStringList{"cmd_changewater", "cmd_newater"} << newWater;
    QTest::newRow("Wasser ändern, Neues Wasser, Calcium, Salz")
        << QStringList{"cmd_changewater", "cmd_newater", "Command4", "Command2"} << newWater;
    QTest::newRow("Calcium, Salz, Wasser ändern")
        << QStringList{"Command4", "Command2", "cmd_changewater"} << change;
}

void NavigationTest::panelInView() {
    QFETCH(QStringList, presses);
    QFETCH(QString, seen);

    for (const QString& button : presses) {
        probe::press(*window_, button);
    }
    QCOMPARE(probe::panelInView(*window_), seen);
    QCOMPARE(control(*window_, seen)->geometry(), probe::viewBand);

    // Every other panel is outside the window or covered by the one seen.
    const QWidget* shown = control(*window_, seen);
    for (const QGroupBox* panel : window_->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        if (panel != shown && window_->rect().intersects(panel->geometry())) {
            QCOMPARE(panel->geometry(), probe::viewBand);
            QVERIFY2(window_->children().indexOf(panel) < window_->children().indexOf(shown),
                     qPrintable(panel->objectName()));
        }
    }
}

void NavigationTest::typedTextsAndResultsSurviveSwitching() {
    for (const char* density : {"txt_Dichte", "txt_Dichtejetzt"}) {
        control<QLineEdit>(*window_, density)->setText(probe::local("1,023"));
    }
    probe::press(*window_, "cmd_Dichte");
    probe::press(*window_, "Command3");
    probe::press(*window_, "Command5");
    probe::press(*window_, "Command4");
    probe::press(*window_, "Command6");
    auto* volume = control<QLineEdit>(*window_, "magliter_becken");
    volume->selectAll();
    QTest::keyClicks(volume, "123");
    control<QLineEdit>(*window_, "txt_Dichteneu")->setText(probe::local("1,025"));

    QMap<QString, QString> before;
    for (const QLineEdit* field : window_->findChildren<QLineEdit*>()) {
        before[field->objectName()] = field->text();
    }
    for (const char* result : {"lbl_ergebnis", "lbl2_ergebnis"}) {
        before[result] = control<QLabel>(*window_, result)->text();
    }
    for (const char* result : {"txt_magerg", "ergebnis_kalzium"}) {
        before[result] = control<QPlainTextEdit>(*window_, result)->toPlainText();
    }
    QCOMPARE(errors_, QList<int>{});
    QCOMPARE(before["magliter_becken"], QStringLiteral("123"));
    QVERIFY(!before["lbl_ergebnis"].isEmpty());

    for (const char* button : {"Command4", "Command3", "cmd_ueber", "Command2", "cmd_changewater",
                               "Command4", "Command2", "cmd_newater", "Command3"}) {
        probe::press(*window_, button);
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QWidget* widget = control(*window_, it.key());
        QString now;
        if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            now = field->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            now = label->text();
        } else {
            now = qobject_cast<const QPlainTextEdit*>(widget)->toPlainText();
        }
        QCOMPARE(now, it.value());
    }
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
