#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "MessageBoxCloser.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtUi.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/thermal/SetPointsPageView.h"
#include "screens/thermal/SetPointsPage.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// The set points page's wiring against a simulated QLX700-T on a pseudo-terminal: a
// click on a cell opens its editor over it, Enter and a list choice reach the device,
// Escape drops the edit, and the boxes beside the grid write at once.
class SetPointsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheGridInTheLanguage();
    void cellEditorsOpenOverTheCellAndWrite();
    void redundancyBoxesWriteAtOnce();
    void aRefusedCellValueGivesOneMessageAndKeepsItsEditor();
    void theLayoutStaysPutAndTheListCoversItsCellOnly();

private:
    void clickCell(int row, int column);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
    std::unique_ptr<SetPointsPage> page;
    std::unique_ptr<SetPointsPageView> view;
};

void SetPointsPageViewTest::init()
{
    ui = ScriptedUi{};
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1, 60);
    sim->setReg(1002, 3);
    comm = std::make_unique<DeviceLink>(pump);
    comm->setDeviceType(0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    page = std::make_unique<SetPointsPage>(ui);
    view = std::make_unique<SetPointsPageView>(*page);
}

void SetPointsPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    comm.reset();
    sim.reset();
}

void SetPointsPageViewTest::clickCell(int row, int column)
{
    auto* grid = child<QTableWidget>(*view, "setPointGrid");
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void SetPointsPageViewTest::showsTheGridInTheLanguage()
{
    page->activate(*comm, 1);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* grid = child<QTableWidget>(*view, "setPointGrid");
    QCOMPARE(grid->item(0, 0)->text(), QString("Relay"));
    QCOMPARE(grid->item(0, 2)->text(), QString("RTD Hyst (ºC)"));
    QCOMPARE(grid->item(1, 1)->text(), QString("60"));
    QCOMPARE(child<QGroupBox>(*view, "calculationBox")->title(), QString("Calculation"));
    QVERIFY(child<QGroupBox>(*view, "redundantRtdsBox")->isVisible());
    QVERIFY(child<QCheckBox>(*view, "redundantRtdCheck3")->isVisible());
    QVERIFY(!child<QCheckBox>(*view, "redundantRtdCheck4")->isVisible());
}

void SetPointsPageViewTest::cellEditorsOpenOverTheCellAndWrite()
{
    page->activate(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    auto* grid = child<QTableWidget>(*view, "setPointGrid");
    auto* cellEdit = child<QLineEdit>(*view, "cellEdit");
    clickCell(1, 1);
    QVERIFY(cellEdit->isVisible());
    QCOMPARE(cellEdit->geometry(), grid->visualRect(grid->model()->index(1, 1)));
    QCOMPARE(cellEdit->text(), QString("60"));
    QTest::keyClicks(cellEdit, "75");
    QTest::keyClick(cellEdit, Qt::Key_Return);
    QCOMPARE(sim->reg(1), 75);
    QVERIFY(!cellEdit->isVisible());
    QCOMPARE(grid->item(1, 1)->text(), QString("75"));

    clickCell(2, 3);
    QVERIFY(cellEdit->isVisible());
    QTest::keyClicks(cellEdit, "9");
    QTest::keyClick(cellEdit, Qt::Key_Escape);
    QVERIFY(!cellEdit->isVisible());
    QCOMPARE(sim->reg(42), 1); // Escape sends nothing

    clickCell(3, 6);
    auto* cellList = child<QComboBox>(*view, "cellCombo");
    QVERIFY(cellList->isVisible());
    QCOMPARE(cellList->count(), 2);
    QCOMPARE(cellList->itemText(1), QString("Inversa"));
    cellList->setCurrentIndex(1);
    emit cellList->activated(1);
    QCOMPARE(sim->reg(103), 1);
    QVERIFY(!cellList->isVisible());
    QCOMPARE(grid->item(3, 6)->text(), QString("Inversa"));
}

void SetPointsPageViewTest::redundancyBoxesWriteAtOnce()
{
    page->activate(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    // On the box itself: a stretched check box takes clicks on its box and label only.
    auto* box = child<QCheckBox>(*view, "redundantRtdCheck3");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QCOMPARE(sim->reg(1006), 1);
    QVERIFY(child<QCheckBox>(*view, "redundantRtdCheck3")->isChecked());
    QVERIFY(ui.messages.empty());
}

// Choosing the number of active RTDs shows and hides redundancy boxes: nothing else on
// the page moves or shrinks. The channel list covers its own cell, not the next one.
void SetPointsPageViewTest::theLayoutStaysPutAndTheListCoversItsCellOnly()
{
    page->activate(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    const char* const watched[] = {"maxTemperatureDifferenceLabel", "maxTemperatureDifferenceEdit",
                                   "nominalCurrentEdit1", "timeConstantEdit", "coolingDurationEdit"};
    auto places = [this, &watched] {
        QList<QRect> rects;
        for (const char* name : watched)
            rects << child<QWidget>(*view, name)->geometry();
        return rects;
    };
    QApplication::processEvents();
    const QList<QRect> before = places();
    auto* label = child<QLabel>(*view, "maxTemperatureDifferenceLabel");
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    auto* counts = child<RadioGroupBox>(*view, "activeRtdCountGroup");
    for (int item : {0, 5, 2}) {
        QTest::mouseClick(counts->item(item), Qt::LeftButton, {}, QPoint(6, counts->item(item)->height() / 2));
        QCOMPARE(sim->reg(1002), item + 1);
        QApplication::processEvents();
        QCOMPARE(places(), before);
    }

    clickCell(1, 4);
    auto* grid = child<QTableWidget>(*view, "setPointGrid");
    auto* cellList = child<QComboBox>(*view, "cellCombo");
    QVERIFY(cellList->isVisible());
    QCOMPARE(cellList->geometry(), grid->visualRect(grid->model()->index(1, 4)));
    QVERIFY(ui.messages.empty());
}

// With real message boxes, which take the focus from the editor while they show.
void SetPointsPageViewTest::aRefusedCellValueGivesOneMessageAndKeepsItsEditor()
{
    view.reset();
    QtUi boxes;
    MessageBoxCloser closer;
    SetPointsPage logic(boxes);
    SetPointsPageView shown(logic);
    logic.activate(*comm, 0);
    shown.render();
    shown.show();
    shown.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    auto* grid = child<QTableWidget>(shown, "setPointGrid");
    const QRect cell = grid->visualRect(grid->model()->index(1, 1));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
    auto* cellEdit = child<QLineEdit>(shown, "cellEdit");
    QVERIFY(cellEdit->hasFocus());
    QTest::keyClicks(cellEdit, "256");
    QTest::keyClick(cellEdit, Qt::Key_Return);
    QCOMPARE(closer.texts, QStringList{"Valor inválido. Deve ser um inteiro entre 0 e 255."});
    // Offscreen, nothing activates the page again once the box has closed: as a window
    // manager would, and the focus goes back to the editor.
    shown.activateWindow();
    QTRY_VERIFY(cellEdit->hasFocus());
    QVERIFY(cellEdit->isVisible());
    QCOMPARE(cellEdit->text(), QString("256"));
    QCOMPARE(sim->reg(1), 60);
}

QLX700_GUI_TEST(SetPointsPageViewTest)
#include "SetPointsPageViewTest.moc"
