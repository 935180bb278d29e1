#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/FormSenhaF.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/parallelism/FrameConfGeral_QLX700PView.h"
#include "gui/screens/parallelism/FrameConfParalelismoView.h"
#include "screens/parallelism/FrameConfGeral_QLX700PF.h"
#include "screens/parallelism/FrameConfParalelismoF.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The QLX700-P pages' wiring against a simulated unit on a pseudo-terminal: the
// unit's values reach the widgets, buttons, typing and clicks reach the device.
class ParallelismViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void generalPageShowsTheUnitAndRunsItsCommands();
    void parallelismPageWritesWhatIsTyped();

private:
    TempFolder folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
};

void ParallelismViewsTest::init()
{
    settings = std::make_unique<FolderAppSettings>(folder.path());
    ui = ScriptedUi{};
    ui.senha = [](TFormSenha& f) {
        f.setEdSenha("QWKZ");
        f.bbOkClick();
    };
    sim = qlxsim::SimServer::start({.model = "P", .preset = "p-individual-manual"}, {.serial = true});
    comm = std::make_unique<TEquipComm>(pump);
}

void ParallelismViewsTest::cleanup()
{
    comm.reset();
    sim.reset();
}

void ParallelismViewsTest::generalPageShowsTheUnitAndRunsItsCommands()
{
    TFrameConfGeral_QLX700P frame(GeneralFrameContext{*settings, ui, pump, none.sources, files, [](int) {}});
    FrameConfGeral_QLX700PView view(frame);
    frame.AtivarFrame(*comm, 1);
    QVERIFY(frame.ConectarSerial(sim->serialPath(), 1, true, {9600, 0, 0}));
    frame.setTimerEnabled(true);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy ticks(view.timer1(), &QTimer::timeout);
    QVERIFY(ticks.wait(3000));
    auto* grid = child<QTableWidget>(view, "sgMedidas");
    QCOMPARE(grid->item(2, 0)->text(), QString("Mode"));
    QCOMPARE(grid->item(2, 1)->text(), QString("Individual"));
    QCOMPARE(child<QLabel>(view, "lblRele1")->text(), QString("Rise command"));
    const std::uint64_t writes = sim->writeCount();
    QTest::mouseClick(child<QPushButton>(view, "bbPosicaoUp"), Qt::LeftButton);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Command sent"});
    QCOMPARE(sim->writeCount(), writes + 1);
}

void ParallelismViewsTest::parallelismPageWritesWhatIsTyped()
{
    comm->setDeviceType(1);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    TFrameConfParalelismo frame(ui, pump);
    FrameConfParalelismoView view(frame);
    frame.AtivarFrame(*comm, 0);
    view.render();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* bus = child<QLineEdit>(view, "edTamanhoBus");
    bus->setFocus();
    bus->selectAll();
    QTest::keyClicks(bus, "5");
    QTest::keyClick(bus, Qt::Key_Return);
    QCOMPARE(sim->reg(21), 5);
    QTest::mouseClick(child<QRadioButton>(view, "rgConfRele70"), Qt::LeftButton);
    QCOMPARE(sim->reg(121), 0);
    QVERIFY(child<QRadioButton>(view, "rgConfRele70")->isChecked());
    QVERIFY(ui.messages.empty());
}

QTEST_MAIN(ParallelismViewsTest)
#include "ParallelismViewsTest.moc"
