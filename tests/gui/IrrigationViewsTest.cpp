#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/FormSenhaF.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/irrigation/FrameConfGeral_QLX700IRRView.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

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

QTEST_MAIN(IrrigationViewsTest)
#include "IrrigationViewsTest.moc"
