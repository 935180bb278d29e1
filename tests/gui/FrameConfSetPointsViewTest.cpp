#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/thermal/FrameConfSetPointsView.h"
#include "screens/thermal/FrameConfSetPointsF.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The set points page's wiring against a simulated QLX700-T on a pseudo-terminal: a
// click on a cell opens its editor over it, Enter and a list choice reach the device,
// Escape drops the edit, and the boxes beside the grid write at once.
class FrameConfSetPointsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheGridInTheLanguage();
    void cellEditorsOpenOverTheCellAndWrite();
    void redundancyBoxesWriteAtOnce();

private:
    void clickCell(int row, int column);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
    std::unique_ptr<TFrameConfSetPoints> frame;
    std::unique_ptr<FrameConfSetPointsView> view;
};

void FrameConfSetPointsViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1, 60);
    sim->setReg(1002, 3);
    comm = std::make_unique<TEquipComm>(pump);
    comm->setDeviceType(0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    frame = std::make_unique<TFrameConfSetPoints>(ui);
    view = std::make_unique<FrameConfSetPointsView>(*frame);
}

void FrameConfSetPointsViewTest::cleanup()
{
    view.reset();
    frame.reset();
    comm.reset();
    sim.reset();
}

void FrameConfSetPointsViewTest::clickCell(int row, int column)
{
    auto* grid = child<QTableWidget>(*view, "sgSetPoints");
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void FrameConfSetPointsViewTest::showsTheGridInTheLanguage()
{
    frame->AtivarFrame(*comm, 1);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* grid = child<QTableWidget>(*view, "sgSetPoints");
    QCOMPARE(grid->item(0, 0)->text(), QString("Relay"));
    QCOMPARE(grid->item(0, 2)->text(), QString("RTD Hyst (ºC)"));
    QCOMPARE(grid->item(1, 1)->text(), QString("60"));
    QCOMPARE(child<QGroupBox>(*view, "gbCalc")->title(), QString("Calculation"));
    QVERIFY(child<QGroupBox>(*view, "gbRedundante")->isVisible());
    QVERIFY(child<QCheckBox>(*view, "cbRedundante3")->isVisible());
    QVERIFY(!child<QCheckBox>(*view, "cbRedundante4")->isVisible());
}

void FrameConfSetPointsViewTest::cellEditorsOpenOverTheCellAndWrite()
{
    frame->AtivarFrame(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* grid = child<QTableWidget>(*view, "sgSetPoints");
    auto* edVal = child<QLineEdit>(*view, "edVal");
    clickCell(1, 1);
    QVERIFY(edVal->isVisible());
    QCOMPARE(edVal->geometry(), grid->visualRect(grid->model()->index(1, 1)));
    QCOMPARE(edVal->text(), QString("60"));
    QTest::keyClicks(edVal, "75");
    QTest::keyClick(edVal, Qt::Key_Return);
    QCOMPARE(sim->reg(1), 75);
    QVERIFY(!edVal->isVisible());
    QCOMPARE(grid->item(1, 1)->text(), QString("75"));

    clickCell(2, 3);
    QVERIFY(edVal->isVisible());
    QTest::keyClicks(edVal, "9");
    QTest::keyClick(edVal, Qt::Key_Escape);
    QVERIFY(!edVal->isVisible());
    QCOMPARE(sim->reg(42), 1); // Escape sends nothing

    clickCell(3, 6);
    auto* cbVal = child<QComboBox>(*view, "cbVal");
    QVERIFY(cbVal->isVisible());
    QCOMPARE(cbVal->count(), 2);
    QCOMPARE(cbVal->itemText(1), QString("Inversa"));
    cbVal->setCurrentIndex(1);
    emit cbVal->activated(1);
    QCOMPARE(sim->reg(103), 1);
    QVERIFY(!cbVal->isVisible());
    QCOMPARE(grid->item(3, 6)->text(), QString("Inversa"));
}

void FrameConfSetPointsViewTest::redundancyBoxesWriteAtOnce()
{
    frame->AtivarFrame(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    // On the box itself: a stretched check box takes clicks on its box and label only.
    auto* box = child<QCheckBox>(*view, "cbRedundante3");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(sim->reg(1006), 1);
    QVERIFY(child<QCheckBox>(*view, "cbRedundante3")->isChecked());
    QVERIFY(ui.messages.empty());
}

QTEST_MAIN(FrameConfSetPointsViewTest)
#include "FrameConfSetPointsViewTest.moc"
