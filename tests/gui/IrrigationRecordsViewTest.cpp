#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/irrigation/IrrigationRecordsPageView.h"
#include "screens/irrigation/IrrigationRecordsPage.h"
#include "support/FileText.h"
#include "support/ScriptedFiles.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The QLX700-IRR records page's wiring against a simulated controller on a
// pseudo-terminal: the records reach the grid, the buttons reach the file and the
// device, and an erase empties the rows.
class IrrigationRecordsViewTest : public QObject {
    Q_OBJECT

private slots:
    void recordsReachTheGridTheFileAndTheEraseButton();
};

void IrrigationRecordsViewTest::recordsReachTheGridTheFileAndTheEraseButton()
{
    TempFolder folder;
    FolderAppSettings settings(folder.path());
    QtEventPump pump;
    ScriptedUi ui;
    ScriptedFiles files;
    auto sim = qlxsim::SimServer::start({.model = "IRR", .preset = "irr-records-3"}, {.serial = true});
    DeviceLink comm(pump);
    comm.setDeviceType(kQLX700IRR);
    comm.openSerial(sim->serialPath(), {}, false);
    QVERIFY(comm.connected());

    IrrigationRecordsPage page(ui, files, settings, pump);
    IrrigationRecordsPageView view(page);
    page.activate(comm, 1);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* grid = child<QTableWidget>(view, "recordGrid");
    QCOMPARE(grid->rowCount(), 50);
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Pluviometer"));
    QVERIFY(grid->columnWidth(0) >= 150);
    QCOMPARE(grid->item(2, 2)->text(), QString("350 L"));
    QCOMPARE(grid->item(3, 0)->text(), QString());

    files.answer = folder / "records.txt";
    QTest::mouseClick(child<QPushButton>(view, "saveToFileButton"), Qt::LeftButton);
    QCOMPARE(crlfLines(readFile(folder / "records.txt")).size(), std::size_t{4});
    QCOMPARE(ui.messageTexts().back(), std::string("File saved."));

    ui.answers = {true};
    auto* erase = child<QPushButton>(view, "eraseRecordsButton");
    QCOMPARE(erase->text(), QString("Erase Records"));
    QTest::mouseClick(erase, Qt::LeftButton);
    QCOMPARE(ui.messageTexts().back(), std::string("Command sent"));
    QCOMPARE(grid->item(0, 0)->text(), QString());
}

QLX700_GUI_TEST(IrrigationRecordsViewTest)
#include "IrrigationRecordsViewTest.moc"
