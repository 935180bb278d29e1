#include "GeneralPageViewFixture.h"
#include "GuiTestRegistry.h"
#include "gui/screens/common/GeneralPageWidgets.h"
#include "gui/screens/thermal/ThermalGeneralPageView.h"
#include "screens/thermal/ThermalGeneralPage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-T general page's wiring against a simulated device on a pseudo-terminal:
// clicks reach the logic, the logic's state and the timer's refresh reach the widgets.
class ThermalGeneralPageViewTest : public QObject, private GeneralPageViewFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void disconnectedPageShowsNothingLive();
    void serialConnectDrawsTheDeviceAndTheTimerFollowsIt();
    void radioClicksAndRelayNamesReachTheDevice();
    void clicksDuringASilentWaitAreHandledAtOnceAndNeverReplayed();

private:
    void connectSerial();
    QString cell(const char* grid, int row, int column)
    {
        return child<QTableWidget>(*view, grid)->item(row, column)->text();
    }

    std::unique_ptr<ThermalGeneralPage> page;
    std::unique_ptr<ThermalGeneralPageView> view;
};

void ThermalGeneralPageViewTest::init()
{
    // Numbers follow the system's decimal separator.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setUp();
    page = std::make_unique<ThermalGeneralPage>(pageContext());
    view = std::make_unique<ThermalGeneralPageView>(*page);
    page->activate(*comm, 0);
    page->setTimerEnabled(true);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void ThermalGeneralPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    tearDown();
    QLocale::setDefault(QLocale::c());
}

void ThermalGeneralPageViewTest::connectSerial()
{
    startSim("T");
    answerPortDialogWithSim();
    typePassword("qwkz");
    QTest::mouseClick(child<QPushButton>(*view, "connectSerialButton"), Qt::LeftButton);
}

void ThermalGeneralPageViewTest::disconnectedPageShowsNothingLive()
{
    QCOMPARE(child<QPushButton>(*view, "connectSerialButton")->text(), QString("Conectar Serial"));
    QCOMPARE(child<QLabel>(*view, "serialNumberPanel")->text(), QString("Não Conectado"));
    QVERIFY(!child<QPushButton>(*view, "membraneTestButton")->isVisible());
    QVERIFY(!child<QLineEdit>(*view, "relayNameEdit1")->isEnabled());
    QCOMPARE(child<QLineEdit>(*view, "relayNameEdit10")->text(), QString("RL10"));
    QVERIFY(child<QLabel>(*view, "relayContact1")->pixmap().isNull());
    QCOMPARE(cell("measurementGrid", 0, 1), QString());
    QCOMPARE(child<QTableWidget>(*view, "windingMeasurementGrid")->horizontalHeaderItem(3)->text(),
             QString("Corrente (%)"));
    // The clock and file buttons do nothing without a link.
    QTest::mouseClick(child<QPushButton>(*view, "adjustClockFromPcButton"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*view, "saveConfigurationButton"), Qt::LeftButton);
    QVERIFY(ui.log.empty());
}

void ThermalGeneralPageViewTest::serialConnectDrawsTheDeviceAndTheTimerFollowsIt()
{
    connectSerial();
    QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front().text.c_str());
    QCOMPARE(child<QPushButton>(*view, "connectSerialButton")->text(), QString("Desconectar"));
    QVERIFY(!child<QPushButton>(*view, "connectUsbButton")->isEnabled());
    QVERIFY(!child<QPushButton>(*view, "connectIpButton")->isEnabled());
    QVERIFY(child<QLabel>(*view, "serialNumberPanel")->text().startsWith("Num. Serie: "));
    QVERIFY(child<QLineEdit>(*view, "relayNameEdit1")->isEnabled());

    sim->setReg(501, 1612);
    sim->setReg(406, 7);
    sim->setReg(603, 1);
    sim->setReg(103, 0);
    QTRY_COMPARE(cell("windingMeasurementGrid", 0, 1), QString("11,2ºC"));
    QVERIFY(child<QLabel>(*view, "clockPanel")->text().contains("/2007 "));
    QTRY_VERIFY(child<QLabel>(*view, "relayLamp3")->styleSheet().contains("#ff0000"));
    QCOMPARE(child<QLabel>(*view, "relayContact3")->property("contact").toString(), QString("closed"));
    QVERIFY(!child<QLabel>(*view, "relayContact3")->pixmap().isNull());

    // Away from the page the timer stops asking.
    page->setTimerEnabled(false);
    sim->setReg(501, 1700);
    const std::uint64_t before = sim->requestCount();
    QSignalSpy ticks(view->refreshTimer(), &QTimer::timeout);
    QVERIFY(ticks.wait(3 * GeneralPageWidgets::kTimerMs));
    QCOMPARE(sim->requestCount(), before);
    QCOMPARE(cell("windingMeasurementGrid", 0, 1), QString("11,2ºC"));

    QTest::mouseClick(child<QPushButton>(*view, "connectSerialButton"), Qt::LeftButton);
    QVERIFY(!comm->connected());
    QCOMPARE(child<QPushButton>(*view, "connectSerialButton")->text(), QString("Conectar Serial"));
    QCOMPARE(child<QLabel>(*view, "serialNumberPanel")->text(), QString("Não Conectado"));
}

void ThermalGeneralPageViewTest::radioClicksAndRelayNamesReachTheDevice()
{
    connectSerial();
    QVERIFY(comm->connected());
    const int mode = comm->registerValue(201);
    QVERIFY(child<QAbstractButton>(*view, qPrintable(QString("displayModeGroup%1").arg(mode)))->isChecked());
    const int next = (mode + 1) % 3;
    QTest::mouseClick(child<QAbstractButton>(*view, qPrintable(QString("displayModeGroup%1").arg(next))),
                      Qt::LeftButton);
    QCOMPARE(int(sim->reg(201)), next);
    // A redraw that moves the selection sends nothing.
    const int shown = (next + 1) % 3;
    comm->storeRegisterValue(201, shown);
    const std::uint64_t before = sim->requestCount();
    page->redraw();
    view->render();
    QVERIFY(child<QAbstractButton>(*view, qPrintable(QString("displayModeGroup%1").arg(shown)))->isChecked());
    QCOMPARE(sim->requestCount(), before);

    QLineEdit* name = child<QLineEdit>(*view, "relayNameEdit2");
    QApplication::setActiveWindow(view.get());
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Trip");
    // A redraw while the edit has the focus keeps what is being typed.
    view->render();
    QCOMPARE(name->text(), QString("Trip"));
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(!name->hasFocus());
    QVERIFY(TempFolder::read(folder->path() / "conf.ini").find("Name2=Trip") != std::string::npos);
    QVERIFY(ui.messages.empty());
}

QLX700_GUI_TEST(ThermalGeneralPageViewTest)
#include "ThermalGeneralPageViewTest.moc"

// A silent device: the refresh waits on the serial line, and the user clicks
// "Desconectar" twice meanwhile. The first click is handled during the wait and
// closes the link right after the read; the second is not kept back to land later on
// "Conectar Serial" and open the port dialog.
void ThermalGeneralPageViewTest::clicksDuringASilentWaitAreHandledAtOnceAndNeverReplayed()
{
    connectSerial();
    QVERIFY(comm->connected());
    int portDialogs = 0;
    ui.serialConnectDialog = [&portDialogs](SerialConnectDialog& f) {
        ++portDialogs;
        f.cancelClicked();
    };
    sim->setFaults("silent-after=0");
    bool handledDuringWait = false;
    QTimer::singleShot(30, view.get(), [&] {
        auto* button = child<QPushButton>(*view, "connectSerialButton");
        QTest::mouseClick(button, Qt::LeftButton);
        handledDuringWait = comm->busy();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    page->tick();
    view->render();
    QVERIFY(handledDuringWait);
    QVERIFY(!comm->connected());
    QCOMPARE(child<QPushButton>(*view, "connectSerialButton")->text(), QString("Conectar Serial"));
    QTest::qWait(100);
    QCOMPARE(portDialogs, 0);
    QVERIFY(ui.messages.empty());
}
