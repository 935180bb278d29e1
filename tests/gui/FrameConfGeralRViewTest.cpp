#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/regulator/FrameConfGeralRView.h"
#include "screens/common/FileChooser.h"
#include "screens/regulator/FrameConfGeral_QLX700RF.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// The QLX700-R general page's wiring against a simulated regulator on a
// pseudo-terminal: clicks reach the logic and the device, the timer's refresh
// reaches the grids and the relays.
class FrameConfGeralRViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void connectDrawsTheRegulatorAndTheButtonsReachIt();

private:
    QString cell(const char* grid, int row)
    {
        return child<QTableWidget>(*view, grid)->item(row, 1)->text();
    }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    std::vector<int> outputCounts;
    std::unique_ptr<TEquipComm> comm;
    std::unique_ptr<TFrameConfGeral_QLX700R> frame;
    std::unique_ptr<FrameConfGeralRView> view;
    std::unique_ptr<qlxsim::SimServer> sim;
};

void FrameConfGeralRViewTest::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    folder = std::make_unique<TempFolder>();
    settings = std::make_unique<FolderAppSettings>(folder->path());
    std::string error;
    QVERIFY(settings->load(error));
    ui = ScriptedUi{};
    comm = std::make_unique<TEquipComm>(pump);
    frame = std::make_unique<TFrameConfGeral_QLX700R>(
        GeneralFrameContext{*settings, ui, pump, none.sources, files, [](int) {}},
        [this](int n) { outputCounts.push_back(n); });
    view = std::make_unique<FrameConfGeralRView>(*frame);
    comm->setDeviceType(2);
    frame->AtivarFrame(*comm, 0);
    frame->setTimerEnabled(true);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void FrameConfGeralRViewTest::cleanup()
{
    view.reset();
    frame.reset();
    comm.reset();
    sim.reset();
    QLocale::setDefault(QLocale::c());
}

void FrameConfGeralRViewTest::connectDrawsTheRegulatorAndTheButtonsReachIt()
{
    QCOMPARE(child<QLabel>(*view, "pnNumSerie")->text(), QString("Não Conectado"));
    QCOMPARE(cell("sgMedidas", 0), QString());
    QCOMPARE(child<QTableWidget>(*view, "sgMedidas")->item(8, 0)->text(), QString("Pos. Atual"));
    QCOMPARE(child<QLabel>(*view, "lblRele9")->text(), QString("Pré Sin. Subir"));

    sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    sim->setReg(1001, 1153);
    sim->setReg(1015, 12);
    sim->setReg(703, 0);
    sim->setReg(1102, 1);
    const std::string port = sim->serialPath();
    ui.conectaCom = [port](TFormConectaCom& f) {
        f.setPortaComText(port);
        f.bbOkClick();
    };
    ui.senha = [](TFormSenha& f) {
        f.setEdSenha("qwkz");
        f.bbOkClick();
    };
    QTest::mouseClick(child<QPushButton>(*view, "bbConectar"), Qt::LeftButton);
    QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front().text.c_str());
    QCOMPARE(outputCounts, std::vector<int>{3});
    QVERIFY(child<QRadioButton>(*view, "rgVisualizacao0")->isChecked());
    QTRY_COMPARE(cell("sgMedidas", 0), QString("115,3 V"));
    QTRY_VERIFY(child<QLabel>(*view, "spRele3")->styleSheet().contains("#ff0000"));
    QCOMPARE(cell("sgMedidas", 8), QString("12"));

    QTest::mouseClick(child<QPushButton>(*view, "bbPosicaoUp"), Qt::LeftButton);
    QCOMPARE(sim->reg(1015), 13);
    QCOMPARE(ui.messages.back().text, std::string("Comando enviado"));
    QTRY_COMPARE(cell("sgMedidas", 8), QString("13"));

    QTest::mouseClick(child<QRadioButton>(*view, "rgVisualizacao3"), Qt::LeftButton);
    QCOMPARE(sim->reg(703), 3);
    QTRY_COMPARE(cell("sgMedidas", 8), QString("4L")); // neutral 17
}

QTEST_MAIN(FrameConfGeralRViewTest)
#include "FrameConfGeralRViewTest.moc"
