#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "MessageBoxCloser.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtUi.h"
#include "gui/screens/thermal/SerialPortsPageView.h"
#include "screens/thermal/SerialPortsPage.h"
#include "unit/AppScriptedUi.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The serial page's wiring against a simulated QLX700-T on a pseudo-terminal: clicks,
// typing and the port selector reach the device, the device's values reach the widgets.
class SerialPortsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsThePortsSettingsInTheLanguage();
    void clicksTypingAndThePortSelectorReachTheDevice();
    void throughTheSerialButtonTheRedNoticeShowsAndNothingChanges();
    void aClickLeavingAnInvalidEditTakesEffectWithOneMessage();

private:
    void openPage(bool serialButton, int language);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
    std::unique_ptr<SerialPortsPage> page;
    std::unique_ptr<SerialPortsPageView> view;
};

void SerialPortsPageViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1431, 55);
    sim->setReg(1332, 0xBEEF);
    comm = std::make_unique<DeviceLink>(pump);
    comm->setDeviceType(0);
    page = std::make_unique<SerialPortsPage>(ui);
    view = std::make_unique<SerialPortsPageView>(*page);
}

void SerialPortsPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    comm.reset();
    sim.reset();
}

void SerialPortsPageViewTest::openPage(bool serialButton, int language)
{
    QVERIFY(comm->openSerial(sim->serialPath(), {}, serialButton));
    page->activate(*comm, language);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void SerialPortsPageViewTest::showsThePortsSettingsInTheLanguage()
{
    openPage(false, 1);
    QCOMPARE(child<QLabel>(*view, "portLabel")->text(), QString("Serial Index"));
    QCOMPARE(child<QComboBox>(*view, "portCombo")->count(), 3);
    QCOMPARE(child<QGroupBox>(*view, "protocolGroup")->title(), QString("Mode"));
    QCOMPARE(child<QRadioButton>(*view, "dnp3InterframeGapGroup0")->text(), QString("Never"));
    QCOMPARE(child<QLabel>(*view, "dnp3AddressLabel")->text(), QString("Address (Hexadecimal)"));
    QVERIFY(child<QRadioButton>(*view, "protocolGroup0")->isChecked());
    QVERIFY(child<QRadioButton>(*view, "modbusBaudRateGroup0")->isChecked());
    QCOMPARE(child<QLineEdit>(*view, "dnp3AddressEdit")->text(), QString("1234"));
    QVERIFY(!child<QLabel>(*view, "readOnlyNoticeLabel")->isVisible());
}

void SerialPortsPageViewTest::clicksTypingAndThePortSelectorReachTheDevice()
{
    openPage(false, 0);
    auto* portCombo = child<QComboBox>(*view, "portCombo");
    portCombo->setFocus();
    QTest::keyClick(portCombo, Qt::Key_Down);
    QCOMPARE(page->state().selectedPort, 1);
    QCOMPARE(child<QLineEdit>(*view, "modbusTxDelayEdit")->text(), QString("5.5"));

    QTest::mouseClick(child<QRadioButton>(*view, "modbusBaudRateGroup3"), Qt::LeftButton);
    QCOMPARE(sim->reg(1401), 3);
    QVERIFY(child<QRadioButton>(*view, "modbusBaudRateGroup3")->isChecked());

    auto* address = child<QLineEdit>(*view, "dnp3AddressEdit");
    address->setFocus();
    address->selectAll();
    QTest::keyClicks(address, "ffef");
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(sim->reg(1331), 65519);
    QCOMPARE(address->text(), QString("FFEF"));
    QVERIFY(!address->hasFocus());

    // Leaving an edit applies it too.
    auto* delay = child<QLineEdit>(*view, "modbusTxDelayEdit");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "12,34");
    address->setFocus();
    QCOMPARE(sim->reg(1431), 123);
    QCOMPARE(delay->text(), QString("12.3"));
    QVERIFY(ui.messages.empty());

    portCombo->setFocus();
    QTest::keyClick(portCombo, Qt::Key_Down);
    QCOMPARE(address->text(), QString("BEEF"));
}

void SerialPortsPageViewTest::throughTheSerialButtonTheRedNoticeShowsAndNothingChanges()
{
    openPage(true, 0);
    auto* notice = child<QLabel>(*view, "readOnlyNoticeLabel");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(),
             QString("Não é possível modificar a configuração da serial quando está conectado pela serial"));
    QVERIFY(notice->styleSheet().contains("#ff0000"));
    const std::uint64_t before = sim->requestCount();
    QTest::mouseClick(child<QRadioButton>(*view, "protocolGroup1"), Qt::LeftButton);
    QCOMPARE(sim->requestCount(), before);
    QVERIFY(child<QRadioButton>(*view, "protocolGroup0")->isChecked());
}

// The radio's action sends every field and reports the invalid delay itself: the
// delay's edit, left by that click, adds no second box. Real message boxes, and the
// mouse through the window, whose button may come up while a box shows.
void SerialPortsPageViewTest::aClickLeavingAnInvalidEditTakesEffectWithOneMessage()
{
    view.reset();
    QtUi boxes;
    MessageBoxCloser closer;
    SerialPortsPage logic(boxes);
    SerialPortsPageView shown(logic);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    logic.activate(*comm, 0);
    shown.render();
    shown.show();
    shown.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    // The first port's registers: baud rate 1400, delay 1430.
    const std::uint16_t delayBefore = sim->reg(1430);
    auto* delay = child<QLineEdit>(shown, "modbusTxDelayEdit");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "300");

    auto* rate = child<QRadioButton>(shown, "modbusBaudRateGroup3");
    closer.click(shown, *rate);
    QTRY_COMPARE(closer.texts.size(), 1);
    QCOMPARE(sim->reg(1400), 3);
    QVERIFY(rate->isChecked());
    QVERIFY(!rate->isDown());
    QCOMPARE(sim->reg(1430), delayBefore);
    QCoreApplication::processEvents(); // nothing waits to apply the delay again
    QCOMPARE(closer.texts.size(), 1);
}

QLX700_GUI_TEST(SerialPortsPageViewTest)
#include "SerialPortsPageViewTest.moc"
