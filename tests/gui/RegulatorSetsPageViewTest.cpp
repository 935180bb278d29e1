#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/regulator/RegulatorSetsPageView.h"
#include "screens/regulator/RegulatorSetsPage.h"
#include "unit/AppScriptedUi.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// The regulation set page's wiring against a simulated regulator: the list chooses
// the set, its fields show it and leaving an edit writes it.
class RegulatorSetsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void theListChoosesTheSetAndEditsWriteIt();
};

void RegulatorSetsPageViewTest::theListChoosesTheSetAndEditsWriteIt()
{
    QtEventPump pump;
    ScriptedUi ui;
    auto sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    sim->setReg(41, 1275);
    DeviceLink comm(pump);
    comm.setDeviceType(2);
    QVERIFY(comm.openSerial(sim->serialPath(), {}, true));
    RegulatorSetsPage page(ui, pump);
    RegulatorSetsPageView view(page);
    page.activate(comm, 2);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    auto* list = child<QComboBox>(view, "regulationSetCombo");
    QCOMPARE(list->count(), 8);
    QCOMPARE(list->currentText(), QString("1"));
    QCOMPARE(child<QGroupBox>(view, "regulationSetBox")->title(), QString("Conjunto Regulador"));
    QCOMPARE(child<QLabel>(view, "colonLabel2")->text(), QString(":"));
    QCOMPARE(child<QLineEdit>(view, "ratedVoltageEdit")->text(), QString("115.0"));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(page.selectedSet(), 2);
    auto* voltage = child<QLineEdit>(view, "ratedVoltageEdit");
    QCOMPARE(voltage->text(), QString("127.5"));

    auto* rising = child<QLineEdit>(view, "risingTimeEdit");
    rising->setFocus();
    rising->selectAll();
    QTest::keyClicks(rising, "45");
    QTest::keyClick(rising, Qt::Key_Enter);
    QCOMPARE(sim->reg(45), 45);
    QVERIFY(ui.messages.empty());
}

QLX700_GUI_TEST(RegulatorSetsPageViewTest)
#include "RegulatorSetsPageViewTest.moc"
