#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/FormSenhaF.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/irrigation/FrameConfGeral_QLX700IRRView.h"
#include "gui/screens/irrigation/Form_QLX700IRR_ManualView.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"
#include "screens/irrigation/Form_QLX700IRR_ManualF.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

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
class IrrigationViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void generalPageShowsTheControllerAndSendsItsCommands();
    void manualFormFollowsTheDeviceAndSendsWhatIsClicked();

private:
    TempFolder folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
};

void IrrigationViewsTest::init()
{
    settings = std::make_unique<FolderAppSettings>(folder.path());
    ui = ScriptedUi{};
    ui.senha = [](TFormSenha& f) {
        f.setEdSenha("QWKZ");
        f.bbOkClick();
    };
    sim = qlxsim::SimServer::start({.model = "IRR"}, {.serial = true});
    comm = std::make_unique<TEquipComm>(pump);
}

void IrrigationViewsTest::cleanup()
{
    comm.reset();
    sim.reset();
}

void IrrigationViewsTest::generalPageShowsTheControllerAndSendsItsCommands()
{
    sim->setReg(1011, 1750);
    sim->setReg(1001, 0);
    TFrameConfGeral_QLX700IRR frame(GeneralFrameContext{*settings, ui, pump, none.sources, files, [](int) {}});
    FrameConfGeral_QLX700IRRView view(frame);
    frame.AtivarFrame(*comm, 1);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(!child<QPushButton>(view, "bbConectar")->isVisible());
    QVERIFY(!child<QLineEdit>(view, "edRele2")->isVisible());
    QVERIFY(frame.ConectarSerial(sim->serialPath(), 1, false, {9600, 0, 0}));
    view.render();
    QCOMPARE(child<QPushButton>(view, "bbConectarUsb")->text(), QString("Disconnect"));
    frame.setTimerEnabled(true);
    QSignalSpy ticks(view.timer1(), &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    auto* grid = child<QTableWidget>(view, "sgMedidas");
    QCOMPARE(grid->item(6, 0)->text(), QString("Temperature"));
    QCOMPARE(grid->item(6, 1)->text(), QString("25.0 ºC"));
    QCOMPARE(child<QLabel>(view, "lblRele8")->text(), QString("Water"));
    QVERIFY(child<QLabel>(view, "lblRele8")->isVisible());

    auto* name = child<QLineEdit>(view, "edRele3");
    QVERIFY(name->isEnabled());
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Orchard");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(settings->record().IrrRelayNames[2], std::string("Orchard"));

    // The manual form opens over the page with the page's refresh off.
    QCOMPARE(child<QPushButton>(view, "bbManual")->text(), QString("Manual Cycle/Control"));
    bool refreshOffWhileOpen = false;
    ui.irrManual = [&](TForm_QLX700IRR_Manual& form) {
        refreshOffWhileOpen = !frame.timerEnabled() && form.timerEnabled();
    };
    QTest::mouseClick(child<QPushButton>(view, "bbManual"), Qt::LeftButton);
    QVERIFY(refreshOffWhileOpen);
    QVERIFY(frame.timerEnabled());

    QTest::mouseClick(child<QPushButton>(view, "bbEmergency"), Qt::LeftButton);
    QCOMPARE(sim->reg(1001) & 0x20, 0x20);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Command sent"});
    QTest::mouseClick(child<QRadioButton>(view, "rgIdioma2"), Qt::LeftButton);
    QCOMPARE(sim->reg(1500), 2);

    QTest::mouseClick(child<QPushButton>(view, "bbConectarUsb"), Qt::LeftButton);
    QVERIFY(!comm->connected());
    QCOMPARE(child<QPushButton>(view, "bbConectarUsb")->text(), QString("Connect USB"));
    QCOMPARE(grid->item(6, 1)->text(), QString());
}

void IrrigationViewsTest::manualFormFollowsTheDeviceAndSendsWhatIsClicked()
{
    sim->setReg(210, 45);
    sim->setReg(211, 18);
    sim->setReg(212, 0);
    comm->setDeviceType(kQLX700IRR);
    QVERIFY(comm->openSerial(sim->serialPath(), {9600, 0, 0}, false));
    TForm_QLX700IRR_Manual logic(ui, pump);
    logic.Show(*comm, 1);
    Form_QLX700IRR_ManualView view(logic, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), QString("Manual Cycle"));
    QCOMPARE(child<QGroupBox>(view, "gbControleManual")->title(), QString("Manual Control"));
    QCOMPARE(child<QCheckBox>(view, "cbCicloValvula5")->text(), QString("Branch 5"));
    QCOMPARE(child<QLabel>(view, "lblDuracao")->text(), QString("Duration (min)"));
    QCOMPARE(child<QPushButton>(view, "bbCicloManualCancelar")->text(), QString("Stop Cycle"));
    QVERIFY(child<QCheckBox>(view, "cbCicloValvula2")->isChecked());
    QVERIFY(!child<QCheckBox>(view, "cbCicloValvula3")->isChecked());
    auto* edDuracao = child<QLineEdit>(view, "edDuracao");
    QCOMPARE(edDuracao->text(), QString("45"));

    QTest::mouseClick(child<QCheckBox>(view, "cbManualBomba"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>(view, "cbValvula2"), Qt::LeftButton);
    QCOMPARE(sim->reg(212), std::uint16_t{5});
    edDuracao->setFocus();
    edDuracao->selectAll();
    QTest::keyClicks(edDuracao, "1441");
    QTest::keyClick(edDuracao, Qt::Key_Return);
    QVERIFY(!edDuracao->hasFocus());
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid numeric value: 1441"});
    QCOMPARE(edDuracao->text(), QString("45"));
    QTest::mouseClick(child<QPushButton>(view, "bbCicloManual"), Qt::LeftButton);
    QCOMPARE(ui.messages.back().text, std::string("Command sent"));

    // The timer runs while the form shows and brings the device's changes in.
    QCOMPARE(view.timerUpdate()->interval(), 3500);
    QVERIFY(view.timerUpdate()->isActive());
    sim->setReg(211, 1);
    QSignalSpy ticks(view.timerUpdate(), &QTimer::timeout);
    QVERIFY(ticks.wait(5000));
    QVERIFY(child<QCheckBox>(view, "cbCicloValvula1")->isChecked());
    QVERIFY(!child<QCheckBox>(view, "cbCicloValvula2")->isChecked());
    view.hide();
    QVERIFY(!view.timerUpdate()->isActive());
}

QTEST_MAIN(IrrigationViewsTest)
#include "IrrigationViewsTest.moc"
