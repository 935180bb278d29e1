#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/regulator/RegulatorSettingsPageView.h"
#include "screens/regulator/RegulatorSettingsPage.h"
#include "unit/AppScriptedUi.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The regulator configuration page's wiring against a simulated regulator: typing
// and leaving an edit, Enter and radio clicks reach the device; the page shows what
// the device holds.
class RegulatorSettingsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void editsAndRadioGroupsReachTheDevice();
};

void RegulatorSettingsPageViewTest::editsAndRadioGroupsReachTheDevice()
{
    QtEventPump pump;
    ScriptedUi ui;
    auto sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    DeviceLink comm(pump);
    comm.setDeviceType(2);
    QVERIFY(comm.openSerial(sim->serialPath(), {}, true));
    RegulatorSettingsPage page(ui, pump);
    RegulatorSettingsPageView view(page);
    page.activate(comm, 1);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(child<QGroupBox>(view, "instrumentTransformerBox")->title(), QString("PT/CT"));
    QCOMPARE(child<QLabel>(view, "vtRatioLabel")->text(), QString("PT Ratio"));
    QCOMPARE(child<QLineEdit>(view, "vtRatioEdit")->text(), QString("100"));

    auto* ur = child<QLineEdit>(view, "resistiveDropEdit");
    ur->setFocus();
    ur->selectAll();
    QTest::keyClicks(ur, "-2,5");
    QTest::keyClick(ur, Qt::Key_Return);
    QCOMPARE(sim->reg(202), 225);
    QVERIFY(!ur->hasFocus());
    QCOMPARE(ur->text(), QString("-2.5"));

    auto* vtRatio = child<QLineEdit>(view, "vtRatioEdit");
    vtRatio->setFocus();
    vtRatio->selectAll();
    QTest::keyClicks(vtRatio, "0");
    child<QLineEdit>(view, "ctRatioEdit")->setFocus();
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid PT Ratio. It must be an integer between 1 and 9999."});
    QCOMPARE(vtRatio->text(), QString("100"));

    QTest::mouseClick(child<QRadioButton>(view, "connectionTypeGroup2"), Qt::LeftButton);
    QCOMPARE(sim->reg(402), 2);
    QVERIFY(child<QRadioButton>(view, "connectionTypeGroup2")->isChecked());
}

QLX700_GUI_TEST(RegulatorSettingsPageViewTest)
#include "RegulatorSettingsPageViewTest.moc"
