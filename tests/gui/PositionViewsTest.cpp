#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/PasswordDialog.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/position/PositionGeneralPageView.h"
#include "gui/screens/position/PositionIndicatorPageView.h"
#include "screens/position/PositionGeneralPage.h"
#include "screens/position/PositionIndicatorPage.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-C pages' wiring against a simulated position indicator on a
// pseudo-terminal: the device's values reach the widgets, clicks and typing reach
// the device.
class PositionViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void generalPageShowsTheMeasurementAndWritesTheLanguage();
    void devicePageSendsFromTheResistanceAndTheReadingMode();

private:
    TempFolder folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
};

void PositionViewsTest::init()
{
    settings = std::make_unique<FolderAppSettings>(folder.path());
    ui = ScriptedUi{};
    ui.passwordDialog = [](PasswordDialog& f) {
        f.setPassword("QWKZ");
        f.okClicked();
    };
    sim = qlxsim::SimServer::start({.model = "C"}, {.serial = true});
    comm = std::make_unique<DeviceLink>(pump);
}

void PositionViewsTest::cleanup()
{
    comm.reset();
    sim.reset();
}

void PositionViewsTest::generalPageShowsTheMeasurementAndWritesTheLanguage()
{
    sim->setReg(1016, 1275);
    int shown = 0;
    PositionGeneralPage page(GeneralPageContext{*settings, ui, pump, none.sources, files, [](int) {}},
                             [&shown] { ++shown; });
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
