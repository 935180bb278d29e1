#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/thermal/FrameConfSerialView.h"
#include "screens/thermal/FrameConfSerialF.h"
#include "unit/AppScriptedUi.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The serial page's wiring against a simulated QLX700-T on a pseudo-terminal: clicks,
// typing and the port selector reach the device, the device's values reach the widgets.
class FrameConfSerialViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsThePortsSettingsInTheLanguage();
    void clicksTypingAndThePortSelectorReachTheDevice();
    void throughTheSerialButtonTheRedNoticeShowsAndNothingChanges();

private:
    void openPage(bool serialButton, int language);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
    std::unique_ptr<TFrameConfSerial> frame;
    std::unique_ptr<FrameConfSerialView> view;
};

void FrameConfSerialViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1431, 55);
    sim->setReg(1332, 0xBEEF);
    comm = std::make_unique<TEquipComm>(pump);
    comm->setDeviceType(0);
    frame = std::make_unique<TFrameConfSerial>(ui);
    view = std::make_unique<FrameConfSerialView>(*frame);
}

void FrameConfSerialViewTest::cleanup()
{
    view.reset();
    frame.reset();
    comm.reset();
    sim.reset();
}

void FrameConfSerialViewTest::openPage(bool serialButton, int language)
{
    QVERIFY(comm->openSerial(sim->serialPath(), {}, serialButton));
    frame->AtivarFrame(*comm, language);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void FrameConfSerialViewTest::showsThePortsSettingsInTheLanguage()
{
    openPage(false, 1);
    QCOMPARE(child<QLabel>(*view, "lblIndice")->text(), QString("Serial Index"));
    QCOMPARE(child<QComboBox>(*view, "cbIndice")->count(), 3);
    QCOMPARE(child<QGroupBox>(*view, "rgModo")->title(), QString("Mode"));
    QCOMPARE(child<QRadioButton>(*view, "rgDNP3InterframeGap0")->text(), QString("Never"));
    QCOMPARE(child<QLabel>(*view, "lblDNP3Endereco")->text(), QString("Address (Hexadecimal)"));
    QVERIFY(child<QRadioButton>(*view, "rgModo0")->isChecked());
    QVERIFY(child<QRadioButton>(*view, "rgModBusBaudRate0")->isChecked());
    QCOMPARE(child<QLineEdit>(*view, "edDNP3Endereco")->text(), QString("1234"));
    QVERIFY(!child<QLabel>(*view, "lblNaoPodeModificar")->isVisible());
}

void FrameConfSerialViewTest::clicksTypingAndThePortSelectorReachTheDevice()
{
    openPage(false, 0);
    auto* cbIndice = child<QComboBox>(*view, "cbIndice");
    cbIndice->setFocus();
    QTest::keyClick(cbIndice, Qt::Key_Down);
    QCOMPARE(frame->state().cbIndice, 1);
    QCOMPARE(child<QLineEdit>(*view, "edModBusTXDelay")->text(), QString("5.5"));

    QTest::mouseClick(child<QRadioButton>(*view, "rgModBusBaudRate3"), Qt::LeftButton);
    QCOMPARE(sim->reg(1401), 3);
    QVERIFY(child<QRadioButton>(*view, "rgModBusBaudRate3")->isChecked());

    auto* address = child<QLineEdit>(*view, "edDNP3Endereco");
    address->setFocus();
    address->selectAll();
    QTest::keyClicks(address, "ffef");
    QTest::keyClick(address, Qt::Key_Return);
    QCOMPARE(sim->reg(1331), 65519);
    QCOMPARE(address->text(), QString("FFEF"));
    QVERIFY(!address->hasFocus());

    // Leaving an edit applies it too.
    auto* delay = child<QLineEdit>(*view, "edModBusTXDelay");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "12,34");
    address->setFocus();
    QCOMPARE(sim->reg(1431), 123);
    QCOMPARE(delay->text(), QString("12.3"));
    QVERIFY(ui.messages.empty());

    cbIndice->setFocus();
    QTest::keyClick(cbIndice, Qt::Key_Down);
    QCOMPARE(address->text(), QString("BEEF"));
}

void FrameConfSerialViewTest::throughTheSerialButtonTheRedNoticeShowsAndNothingChanges()
{
    openPage(true, 0);
    auto* notice = child<QLabel>(*view, "lblNaoPodeModificar");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(),
             QString("Não é possível modificar a configuração da serial quando está conectado pela serial"));
    QVERIFY(notice->styleSheet().contains("#ff0000"));
    const std::uint64_t before = sim->requestCount();
    QTest::mouseClick(child<QRadioButton>(*view, "rgModo1"), Qt::LeftButton);
    QCOMPARE(sim->requestCount(), before);
    QVERIFY(child<QRadioButton>(*view, "rgModo0")->isChecked());
}

QTEST_MAIN(FrameConfSerialViewTest)
#include "FrameConfSerialViewTest.moc"
