#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/regulator/FrameConfQLX700RView.h"
#include "screens/regulator/FrameConfQLX700RF.h"
#include "unit/AppScriptedUi.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

// The regulator configuration page's wiring against a simulated regulator: typing
// and leaving an edit, Enter and radio clicks reach the device; the page shows what
// the device holds.
class FrameConfQLX700RViewTest : public QObject {
    Q_OBJECT

private slots:
    void editsAndRadioGroupsReachTheDevice();
};

void FrameConfQLX700RViewTest::editsAndRadioGroupsReachTheDevice()
{
    QtEventPump pump;
    ScriptedUi ui;
    auto sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    TEquipComm comm(pump);
    comm.setDeviceType(2);
    QVERIFY(comm.openSerial(sim->serialPath(), {}, true));
    TFrameConfQLX700R frame(ui, pump);
    FrameConfQLX700RView view(frame);
    frame.AtivarFrame(comm, 1);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(child<QGroupBox>(view, "gbTpTc")->title(), QString("PT/CT"));
    QCOMPARE(child<QLabel>(view, "lblRelacaoTP")->text(), QString("PT Ratio"));
    QCOMPARE(child<QLineEdit>(view, "edRelacaoTP")->text(), QString("100"));

    auto* ur = child<QLineEdit>(view, "edUR");
    ur->setFocus();
    ur->selectAll();
    QTest::keyClicks(ur, "-2,5");
    QTest::keyClick(ur, Qt::Key_Return);
    QCOMPARE(sim->reg(202), 225);
    QVERIFY(!ur->hasFocus());
    QCOMPARE(ur->text(), QString("-2.5"));

    auto* tp = child<QLineEdit>(view, "edRelacaoTP");
    tp->setFocus();
    tp->selectAll();
    QTest::keyClicks(tp, "0");
    child<QLineEdit>(view, "edRelacaoTC")->setFocus();
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid PT Ratio. It must be an integer between 1 and 9999."});
    QCOMPARE(tp->text(), QString("100"));

    QTest::mouseClick(child<QRadioButton>(view, "rgTipoConexao2"), Qt::LeftButton);
    QCOMPARE(sim->reg(402), 2);
    QVERIFY(child<QRadioButton>(view, "rgTipoConexao2")->isChecked());
}

QTEST_MAIN(FrameConfQLX700RViewTest)
#include "FrameConfQLX700RViewTest.moc"
