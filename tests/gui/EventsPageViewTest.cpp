#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/thermal/EventsPageView.h"
#include "screens/thermal/EventsPage.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The events and maxima page's wiring against a simulated QLX700-T on a
// pseudo-terminal: the grid, the count and the interval come from the device, the
// interval edit and the buttons reach it, and tick redraws while enabled.
class EventsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheMaximaAndTheCountInTheLanguage();
    void theIntervalAndTheButtonsReachTheDevice();
    void timerUpdateRedrawsFromTheImageOnlyWhileEnabled();

private:
    QtEventPump pump;
    ScriptedUi ui;
    NoFiles files;
    TempFolder folder;
    std::unique_ptr<FolderAppSettings> settings;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
    std::unique_ptr<EventsPage> page;
    std::unique_ptr<EventsPageView> view;
};

void EventsPageViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "T", .preset = "t-events-25"}, {.serial = true});
    sim->setReg(214, 5);
    sim->setReg(701, 77);
    settings = std::make_unique<FolderAppSettings>(folder.path());
    comm = std::make_unique<DeviceLink>(pump);
    comm->setDeviceType(0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    page = std::make_unique<EventsPage>(ui, files, *settings, pump);
    view = std::make_unique<EventsPageView>(*page);
}

void EventsPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    comm.reset();
    sim.reset();
}

void EventsPageViewTest::showsTheMaximaAndTheCountInTheLanguage()
{
    page->activate(*comm, 1);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* grid = child<QTableWidget>(*view, "maximaGrid");
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Max Temp."));
    QCOMPARE(grid->verticalHeaderItem(0)->text(), QString("Wind 1"));
    QCOMPARE(grid->verticalHeaderItem(8)->text(), QString("RTD 6"));
    QCOMPARE(grid->item(0, 0)->text(), QString("77 ºC"));
    QCOMPARE(child<QLabel>(*view, "eventCountPanel")->text(), QString("Num. of Recorded Events: 25"));
    QCOMPARE(child<QLineEdit>(*view, "eventIntervalEdit")->text(), QString("5"));
    QCOMPARE(child<QPushButton>(*view, "downloadEventsButton")->text(), QString("Download Events"));
    // The nine rows show without scrolling.
    QVERIFY(grid->viewport()->height() >= grid->verticalHeader()->length());
}

void EventsPageViewTest::theIntervalAndTheButtonsReachTheDevice()
{
    page->activate(*comm, 0);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* interval = child<QLineEdit>(*view, "eventIntervalEdit");
    interval->setFocus();
    interval->selectAll();
    QTest::keyClicks(interval, "12");
    QTest::keyClick(interval, Qt::Key_Return);
    QCOMPARE(sim->reg(214), 12);
    QVERIFY(!interval->hasFocus());

    ui.answers = {true};
    QTest::mouseClick(child<QPushButton>(*view, "eraseEventsButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(1800), 0);
    QCOMPARE(child<QLabel>(*view, "eventCountPanel")->text(), QString("Num. Eventos Gravados: 0"));

    // The save dialog is cancelled: nothing goes to the device.
    const std::uint64_t before = sim->requestCount();
    QTest::mouseClick(child<QPushButton>(*view, "downloadEventsButton"), Qt::LeftButton);
    QCOMPARE(sim->requestCount(), before);
}

void EventsPageViewTest::timerUpdateRedrawsFromTheImageOnlyWhileEnabled()
{
    page->activate(*comm, 0);
    view->render();
    auto* count = child<QLabel>(*view, "eventCountPanel");
    QCOMPARE(count->text(), QString("Num. Eventos Gravados: 25"));
    comm->storeRegisterValue(1800, 30);
    auto* timer = view->findChild<QTimer*>("refreshTimer");
    QVERIFY(timer != nullptr);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QVERIFY(ticks.wait(3 * EventsPageView::kTimerMs));
    QCOMPARE(count->text(), QString("Num. Eventos Gravados: 25"));
    page->setTimerEnabled(true);
    QVERIFY(ticks.wait(3 * EventsPageView::kTimerMs));
    QCOMPARE(count->text(), QString("Num. Eventos Gravados: 30"));
}

QLX700_GUI_TEST(EventsPageViewTest)
#include "EventsPageViewTest.moc"
