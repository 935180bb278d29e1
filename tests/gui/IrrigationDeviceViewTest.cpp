#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/irrigation/IrrigationSettingsPageView.h"
#include "screens/irrigation/IrrigationSettingsPage.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The QLX700-IRR irrigation settings page's wiring against a simulated controller on
// a pseudo-terminal: the device's values reach the widgets, a redraw sends nothing,
// typing and clicks reach the device.
class IrrigationDeviceViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theCycleAndTheSettingsTravelBetweenWidgetsAndDevice();

private:
    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
};

void IrrigationDeviceViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "IRR"}, {.serial = true});
    comm = std::make_unique<DeviceLink>(pump);
    comm->setDeviceType(3);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
}

void IrrigationDeviceViewTest::cleanup()
{
    comm.reset();
    sim.reset();
}

void IrrigationDeviceViewTest::theCycleAndTheSettingsTravelBetweenWidgetsAndDevice()
{
    sim->setReg(23, 0b00101);
    sim->setReg(103, 60);
    IrrigationSettingsPage page(ui, pump);
    IrrigationSettingsPageView view(page);
    page.activate(*comm, 0);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* pressure = child<QLineEdit>(view, "maxPressureEdit");
    QCOMPARE(pressure->text(), QString("6.0"));
    QCOMPARE(child<QGroupBox>(view, "cycleBox")->title(), QString("Ciclo de Irrigação"));

    // Choosing the third cycle redraws its boxes, and that redraw sends nothing.
    const std::uint64_t writes = sim->writeCount();
    auto* cycle = child<QComboBox>(view, "cycleCombo");
    cycle->setFocus();
    QTest::keyClick(cycle, Qt::Key_Down);
    QTest::keyClick(cycle, Qt::Key_Down);
    QCOMPARE(page.cycle(), 2);
    QVERIFY(child<QCheckBox>(view, "branch1Check")->isChecked());
    QVERIFY(!child<QCheckBox>(view, "branch2Check")->isChecked());
    QVERIFY(child<QCheckBox>(view, "branch3Check")->isChecked());
    QCOMPARE(sim->writeCount(), writes);

    auto* hour = child<QLineEdit>(view, "startHourEdit");
    auto* minute = child<QLineEdit>(view, "startMinuteEdit");
    hour->setFocus();
    hour->selectAll();
    QTest::keyClicks(hour, "6");
    minute->setFocus();
    minute->selectAll();
    QTest::keyClicks(minute, "30");
    // Enter sends once the key's event is done.
    QTest::keyClick(minute, Qt::Key_Return);
    QTRY_COMPARE(sim->reg(3), 390);
    QTRY_COMPARE(hour->text(), QString("06"));

    QTest::mouseClick(child<QCheckBox>(view, "branch2Check"), Qt::LeftButton);
    QCOMPARE(sim->reg(23), 0b00111);
    // A click on a box while an edit is being typed in sends both, even when the
    // button comes up while the edit's send waits for the device (the release is
    // queued before the press, as a quick user's would be). A wide box takes clicks
    // only on its mark and text.
    pressure->setFocus();
    pressure->selectAll();
    QTest::keyClicks(pressure, "2,5");
    auto* pt100 = child<QCheckBox>(view, "pt100EnabledCheck");
    const bool wasChecked = pt100->isChecked();
    const QPoint onMark(8, pt100->height() / 2);
    QCoreApplication::postEvent(pt100, new QMouseEvent(QEvent::MouseButtonRelease, onMark, pt100->mapToGlobal(onMark),
                                                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::mousePress(pt100, Qt::LeftButton, {}, onMark);
    QTRY_COMPARE(sim->reg(208), wasChecked ? 0 : 1);
    QCOMPARE(sim->reg(103), 25);
    QTRY_COMPARE(pressure->text(), QString("2.5"));
    auto* manual = child<QRadioButton>(view, "operationModeGroup0");
    QTest::mouseClick(manual, Qt::LeftButton, {}, QPoint(8, manual->height() / 2));
    QCOMPARE(sim->reg(201), 0);
    QVERIFY(ui.messages.empty());

    page.setLanguage(1);
    view.render();
    QCOMPARE(child<QCheckBox>(view, "branch1Check")->text(), QString("Branch 1"));
    QCOMPARE(child<QRadioButton>(view, "pressureSwitchGroup1")->text(), QString("NO"));
}

QLX700_GUI_TEST(IrrigationDeviceViewTest)
#include "IrrigationDeviceViewTest.moc"
