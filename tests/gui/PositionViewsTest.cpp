#include "GeneralPageViewFixture.h"
#include "GuiTestRegistry.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/position/PositionGeneralPageView.h"
#include "gui/screens/position/PositionIndicatorPageView.h"
#include "screens/position/PositionGeneralPage.h"
#include "screens/position/PositionIndicatorPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-C pages' wiring against a simulated position indicator on a
// pseudo-terminal: the device's values reach the widgets, clicks and typing reach
// the device.
class PositionViewsTest : public QObject, private GeneralPageViewFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); startSim("C"); }
    void cleanup() { tearDown(); }
    void generalPageShowsTheMeasurementAndWritesTheLanguage();
    void devicePageSendsFromTheResistanceAndTheReadingMode();
};

void PositionViewsTest::generalPageShowsTheMeasurementAndWritesTheLanguage()
{
    sim->setReg(1016, 1275);
    int shown = 0;
    PositionGeneralPage page(pageContext(), [&shown] { ++shown; });
    PositionGeneralPageView view(page);
    page.activate(*comm, 1);
    QVERIFY(page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0}));
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(shown, 1);
    // The measurement comes with the refresh timer's tick.
    page.setTimerEnabled(true);
    QSignalSpy ticks(view.refreshTimer(), &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    auto* grid = child<QTableWidget>(view, "measurementGrid");
    QCOMPARE(grid->item(0, 0)->text(), QString("Resistance"));
    QCOMPARE(grid->item(0, 1)->text(), QString("127.5 ohms"));
    QCOMPARE(child<QLabel>(view, "relayLabel10")->text(), QString("Power Failure"));
    QTest::mouseClick(child<QRadioButton>(view, "deviceLanguageGroup1"), Qt::LeftButton);
    QCOMPARE(sim->reg(1500), 1);
    QVERIFY(child<QRadioButton>(view, "deviceLanguageGroup1")->isChecked());
    QVERIFY(ui.messages.empty());
}

void PositionViewsTest::devicePageSendsFromTheResistanceAndTheReadingMode()
{
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    comm->setDeviceType(4);
    PositionIndicatorPage page(ui, pump);
    PositionIndicatorPageView view(page);
    page.activate(*comm, 0);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* resistance = child<QLineEdit>(view, "resistancePerPositionEdit");
    auto* positions = child<QLineEdit>(view, "positionCountEdit");
    positions->setFocus();
    positions->selectAll();
    QTest::keyClicks(positions, "25");
    resistance->setFocus();
    QVERIFY(sim->reg(702) != 25); // the number of positions has no send of its own
    resistance->selectAll();
    QTest::keyClicks(resistance, "12,5");
    QTest::keyClick(resistance, Qt::Key_Return);
    QCOMPARE(sim->reg(701), 125);
    QCOMPARE(sim->reg(702), 25);
    QCOMPARE(resistance->text(), QString("12.5"));
    QTest::mouseClick(child<QRadioButton>(view, "readingModeGroup1"), Qt::LeftButton);
    QCOMPARE(sim->reg(707), 1);
    QVERIFY(ui.messages.empty());
}

QLX700_GUI_TEST(PositionViewsTest)
#include "PositionViewsTest.moc"
