#include "GeneralPageViewFixture.h"
#include "GuiTestRegistry.h"
#include "gui/screens/parallelism/ParallelismGeneralPageView.h"
#include "gui/screens/parallelism/ParallelismPageView.h"
#include "screens/parallelism/ParallelismGeneralPage.h"
#include "screens/parallelism/ParallelismPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-P pages' wiring against a simulated unit on a pseudo-terminal: the
// unit's values reach the widgets, buttons, typing and clicks reach the device.
class ParallelismViewsTest : public QObject, private GeneralPageViewFixture {
    Q_OBJECT

private slots:
    void init() { setUp(); startSim("P", "p-individual-manual"); }
    void cleanup() { tearDown(); }
    void generalPageShowsTheUnitAndRunsItsCommands();
    void parallelismPageWritesWhatIsTyped();
    void parallelismPageTabsInTheOrderOnScreen();
    void relayLabelsNeverCutAWord();
};

void ParallelismViewsTest::generalPageShowsTheUnitAndRunsItsCommands()
{
    ParallelismGeneralPage page(pageContext());
    ParallelismGeneralPageView view(page);
    page.activate(*comm, 1);
    QVERIFY(page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0}));
    page.setTimerEnabled(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy ticks(view.refreshTimer(), &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    auto* grid = child<QTableWidget>(view, "measurementGrid");
    QCOMPARE(grid->item(2, 0)->text(), QString("Mode"));
    QCOMPARE(grid->item(2, 1)->text(), QString("Individual"));
    QCOMPARE(child<QLabel>(view, "relayLabel1")->text(), QString("Rise command"));
    const std::uint64_t writes = sim->writeCount();
    QTest::mouseClick(child<QPushButton>(view, "positionUpButton"), Qt::LeftButton);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Command sent"});
    QCOMPARE(sim->writeCount(), writes + 1);
}

// The Spanish "Commandado" is wider than the relays' columns: its label widens rather
// than clipping it.
void ParallelismViewsTest::relayLabelsNeverCutAWord()
{
    ParallelismGeneralPage page(pageContext());
    ParallelismGeneralPageView view(page);
    page.activate(*comm, 2);
    QVERIFY(page.connectSerial(sim->serialPath(), 1, true, {9600, 0, 0}));
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QStringList shown;
    for (int i = 1; i <= 10; ++i) {
        auto* label = child<QLabel>(view, QString("relayLabel%1").arg(i).toLatin1().constData());
        shown << label->text();
        for (const QString& word : label->text().split(' ', Qt::SkipEmptyParts))
            QVERIFY2(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(word), qPrintable(word));
    }
    QVERIFY2(shown.contains("Commandado"), qPrintable(shown.join(", ")));
}

void ParallelismViewsTest::parallelismPageWritesWhatIsTyped()
{
    comm->setDeviceType(1);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    ParallelismPage page(ui, pump);
    ParallelismPageView view(page);
    page.activate(*comm, 0);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* bus = child<QLineEdit>(view, "busSizeEdit");
    bus->setFocus();
    bus->selectAll();
    QTest::keyClicks(bus, "5");
    QTest::keyClick(bus, Qt::Key_Return);
    QCOMPARE(sim->reg(21), 5);
    QTest::mouseClick(child<QRadioButton>(view, "relay7FunctionGroup0"), Qt::LeftButton);
    QCOMPARE(sim->reg(121), 0);
    QVERIFY(child<QRadioButton>(view, "relay7FunctionGroup0")->isChecked());
    QVERIFY(ui.messages.empty());
}

// The address is the page's last control (a send writes it last) but the first on
// screen: in a window, Tab comes to it first and leaves the page after the relays.
void ParallelismViewsTest::parallelismPageTabsInTheOrderOnScreen()
{
    ParallelismPage page(ui, pump);
    QWidget window;
    auto* before = new QLineEdit(&window);
    before->setObjectName("before");
    auto* view = new ParallelismPageView(page);
    view->setParent(&window);
    auto* after = new QLineEdit(&window);
    after->setObjectName("after");
    QStringList expected{"before",
                         "addressEdit",
                         "busSizeEdit",
                         "positionCountEdit",
                         "resistancePerPositionEdit",
                         "parallelismErrorTimeEdit",
                         "configurationErrorTimeEdit"};
    for (int i = 0; i < 3; ++i)
        expected << QString("positionReadingGroup%1").arg(i);
    for (int relay = 7; relay <= 9; ++relay) {
        for (int i = 0; i < 10; ++i)
            expected << QString("relay%1FunctionGroup%2").arg(relay).arg(i);
    }
    expected << "after";
    QStringList stops;
    QWidget* w = before;
    do {
        stops << w->objectName();
        do
            w = w->nextInFocusChain();
        while ((w->focusPolicy() & Qt::TabFocus) == 0);
    } while (w != before && stops.size() <= expected.size());
    QCOMPARE(stops, expected);
}

QLX700_GUI_TEST(ParallelismViewsTest)
#include "ParallelismViewsTest.moc"
