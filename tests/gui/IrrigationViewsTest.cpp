#include "GeneralPageViewFixture.h"
#include "GuiTestRegistry.h"
#include "device/DeviceType.h"
#include "gui/screens/irrigation/IrrigationGeneralPageView.h"
#include "gui/screens/irrigation/ManualOperationWindowView.h"
#include "screens/irrigation/IrrigationGeneralPage.h"
#include "screens/irrigation/ManualOperationWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-IRR pages' wiring against a simulated irrigation controller on a
// pseudo-terminal: the device's values reach the widgets, clicks and typing reach the
// device and the settings.
class IrrigationViewsTest : public QObject, private GeneralPageViewFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); startSim("IRR"); }
    void cleanup() { tearDown(); }
    void generalPageShowsTheControllerAndSendsItsCommands();
    void manualWindowFollowsTheDeviceAndSendsWhatIsClicked();
};

void IrrigationViewsTest::generalPageShowsTheControllerAndSendsItsCommands()
{
    sim->setReg(1011, 1750);
    sim->setReg(1001, 0);
    IrrigationGeneralPage page(pageContext());
    IrrigationGeneralPageView view(page);
    page.activate(*comm, 1);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(!child<QPushButton>(view, "connectSerialButton")->isVisible());
    QVERIFY(!child<QLineEdit>(view, "branchNameEdit1")->isVisible());
    QVERIFY(page.connectSerial(sim->serialPath(), 1, false, {9600, 0, 0}));
    view.render();
    QCOMPARE(child<QPushButton>(view, "connectUsbButton")->text(), QString("Disconnect"));
    page.setTimerEnabled(true);
    QSignalSpy ticks(view.refreshTimer(), &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    auto* grid = child<QTableWidget>(view, "measurementGrid");
    QCOMPARE(grid->item(6, 0)->text(), QString("Temperature"));
    QCOMPARE(grid->item(6, 1)->text(), QString("25.0 ºC"));
    QCOMPARE(child<QLabel>(view, "relayLabel8")->text(), QString("Water"));
    QVERIFY(child<QLabel>(view, "relayLabel8")->isVisible());

    auto* name = child<QLineEdit>(view, "branchNameEdit2");
    QVERIFY(name->isEnabled());
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Orchard");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(settings->record().IrrRelayNames[2], std::string("Orchard"));

    // The manual operation window opens over the page with the page's refresh off.
    QCOMPARE(child<QPushButton>(view, "manualOperationButton")->text(), QString("Manual Cycle/Control"));
    bool refreshOffWhileOpen = false;
    ui.manualOperationWindow = [&](ManualOperationWindow& window) {
        refreshOffWhileOpen = !page.timerEnabled() && window.timerEnabled();
    };
    QTest::mouseClick(child<QPushButton>(view, "manualOperationButton"), Qt::LeftButton);
    QVERIFY(refreshOffWhileOpen);
    QVERIFY(page.timerEnabled());

    QTest::mouseClick(child<QPushButton>(view, "emergencyButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(1001) & 0x20, 0x20);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Command sent"});
    QTest::mouseClick(child<QRadioButton>(view, "deviceLanguageGroup2"), Qt::LeftButton);
    QCOMPARE(sim->reg(1500), 2);

    QTest::mouseClick(child<QPushButton>(view, "connectUsbButton"), Qt::LeftButton);
    QVERIFY(!comm->connected());
    QCOMPARE(child<QPushButton>(view, "connectUsbButton")->text(), QString("Connect USB"));
    QCOMPARE(grid->item(6, 1)->text(), QString());
}

void IrrigationViewsTest::manualWindowFollowsTheDeviceAndSendsWhatIsClicked()
{
    sim->setReg(210, 45);
    sim->setReg(211, 18);
    sim->setReg(212, 0);
    comm->setDeviceType(kQLX700IRR);
    QVERIFY(comm->openSerial(sim->serialPath(), {9600, 0, 0}, false));
    ManualOperationWindow logic(ui, pump);
    logic.open(*comm, 1);
    ManualOperationWindowView view(logic, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), QString("Manual Cycle"));
    QCOMPARE(child<QGroupBox>(view, "manualControlBox")->title(), QString("Manual Control"));
    QCOMPARE(child<QCheckBox>(view, "cycleBranchCheck5")->text(), QString("Branch 5"));
    QCOMPARE(child<QLabel>(view, "durationLabel")->text(), QString("Duration (min)"));
    QCOMPARE(child<QPushButton>(view, "stopCycleButton")->text(), QString("Stop Cycle"));
    QVERIFY(child<QCheckBox>(view, "cycleBranchCheck2")->isChecked());
    QVERIFY(!child<QCheckBox>(view, "cycleBranchCheck3")->isChecked());
    auto* durationEdit = child<QLineEdit>(view, "durationEdit");
    QCOMPARE(durationEdit->text(), QString("45"));

    QTest::mouseClick(child<QCheckBox>(view, "pumpCheck"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>(view, "valveCheck2"), Qt::LeftButton);
    QCOMPARE(sim->reg(212), std::uint16_t{5});
    durationEdit->setFocus();
    durationEdit->selectAll();
    QTest::keyClicks(durationEdit, "1441");
    QTest::keyClick(durationEdit, Qt::Key_Return);
    QVERIFY(!durationEdit->hasFocus());
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid numeric value: 1441"});
    QCOMPARE(durationEdit->text(), QString("45"));
    QTest::mouseClick(child<QPushButton>(view, "startCycleButton"), Qt::LeftButton);
    QCOMPARE(ui.messages.back().text, std::string("Command sent"));

    // The timer runs while the window shows and brings the device's changes in.
    QCOMPARE(view.refreshTimer()->interval(), 3500);
    QVERIFY(view.refreshTimer()->isActive());
    sim->setReg(211, 1);
    QSignalSpy ticks(view.refreshTimer(), &QTimer::timeout);
    QVERIFY(ticks.wait(5000));
    QVERIFY(child<QCheckBox>(view, "cycleBranchCheck1")->isChecked());
    QVERIFY(!child<QCheckBox>(view, "cycleBranchCheck2")->isChecked());
    view.hide();
    QVERIFY(!view.refreshTimer()->isActive());
}

QLX700_GUI_TEST(IrrigationViewsTest)
#include "IrrigationViewsTest.moc"
