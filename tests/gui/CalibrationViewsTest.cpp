#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/calibration/FormCalibCorrenteView.h"
#include "gui/screens/calibration/FormCalibRTDView.h"
#include "gui/screens/calibration/FormCalibRegressaoView.h"
#include "gui/screens/calibration/FrameTesteCalibracaoView.h"
#include "screens/calibration/FormCalibCorrenteF.h"
#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"
#include "screens/calibration/FormCalibRTDF.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <bit>
#include <cmath>
#include <memory>

namespace {

// Shown and active, so that clicks and keys give the focus as they do for a user.
bool showActive(QWidget& view)
{
    view.show();
    view.activateWindow();
    return QTest::qWaitForWindowActive(&view);
}

void typeAndEnter(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void clickCell(QTableWidget* grid, int row, int column)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QString cellText(QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

float pairIn(const qlxsim::SimServer& sim, int first)
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(sim.reg(static_cast<std::uint16_t>(first + 1))) << 16 |
                                sim.reg(static_cast<std::uint16_t>(first)));
}

void setPair(qlxsim::SimServer& sim, int first, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    sim.setReg(static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(bits & 0xFFFF));
    sim.setReg(static_cast<std::uint16_t>(first + 1), static_cast<std::uint16_t>(bits >> 16));
}

} // namespace

// The calibration page and its windows against their logic and a simulated device on
// a pseudo-terminal: clicks and typing reach the device, its state reaches the widgets.
class CalibrationViewsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pageShowsTheDeviceAndSendsItsSettings();
    void pageButtonsOpenTheWindowsAndLists();
    void outputWindowDrivesTheTestCurrentAndSavesTheFit();
    void rtdTableSendsTypedGainsAndShowsTheirEffect();
    void regressionWindowCollectsPointsAndSavesTheLine();
    void inputRegressionWindowShowsTheInputsUnits();

private:
    void open(const std::string& model, int serial);

    std::unique_ptr<TempFolder> data;
    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
};

void CalibrationViewsTest::initTestCase()
{
    // The windows keep their points in calibration records in the data folder.
    data = std::make_unique<TempFolder>();
    qputenv("QLX700_DATA_DIR", QByteArray::fromStdString(data->path().string()));
}

void CalibrationViewsTest::init()
{
    ui = ScriptedUi{};
}

void CalibrationViewsTest::cleanup()
{
    comm.reset();
    sim.reset();
}

// Each test's device has a serial number of its own, so no record is shared.
void CalibrationViewsTest::open(const std::string& model, int serial)
{
    sim = qlxsim::SimServer::start({.model = model}, {.serial = true});
    sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
    sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
    comm = std::make_unique<TEquipComm>(pump);
    comm->setDeviceType(model == "R" ? kQLX700R : kQLX700T);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    QVERIFY(comm->readRegisters(2501, 2));
}

void CalibrationViewsTest::pageShowsTheDeviceAndSendsItsSettings()
{
    open("T", 70000);
    sim->setReg(2660, 2);
    sim->setReg(2101, 25000);
    sim->setReg(2530, 12745);
    TFrameTesteCalibracao frame(ui);
    frame.AtivarFrame(*comm, 0);
    FrameTesteCalibracaoView view(frame);
    view.render();
    QVERIFY(showActive(view));

    QCOMPARE(child<QGroupBox>(view, "rgModoTesteCalibracao")->title(), QString("Modo de Teste e Calibração"));
    QVERIFY(child<QRadioButton>(view, "rgModoTesteCalibracao0")->isChecked());
    QCOMPARE(child<QLabel>(view, "lblSaidaCorrente")->text(), QString("Saída de Corrente (0-1.5mA)"));
    QCOMPARE(child<QLineEdit>(view, "edSaidaCorrente")->text(), QString("0.7500"));
    QCOMPARE(child<QLineEdit>(view, "edCalib127")->text(), QString("127.45"));
    QCOMPARE(child<QLineEdit>(view, "edNumSerie")->text(), QString("70000"));
    QCOMPARE(child<QLabel>(view, "pnTamanhoParametros")->text(), QString("Tamanho dos Parâmetros Salvos: 512 bytes"));
    QCOMPARE(child<QPushButton>(view, "bbCalibrarRTDs")->text(), QString("Calibração dos RTDs"));

    child<QRadioButton>(view, "rgModoTesteCalibracao1")->click();
    QCOMPARE(sim->reg(2100), std::uint16_t(1));
    child<QCheckBox>(view, "cbDesativaCalib")->click();
    QCOMPARE(sim->reg(2105), std::uint16_t(1));
    typeAndEnter(child<QLineEdit>(view, "edSaidaCorrente"), "1,5");
    QCOMPARE(sim->reg(2101), std::uint16_t(50000));
    typeAndEnter(child<QLineEdit>(view, "edCalib127"), "127.5");
    QCOMPARE(sim->reg(2530), std::uint16_t(12750));
    QVERIFY(ui.messages.empty());

    const std::uint64_t writes = sim->writeCount();
    typeAndEnter(child<QLineEdit>(view, "edSaidaCorrente"), "1.6");
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5"});
    QCOMPARE(sim->writeCount(), writes);
    // The device's value again.
    QCOMPARE(child<QLineEdit>(view, "edSaidaCorrente")->text(), QString("1.5000"));

    // The device switched off from elsewhere: the next redraw shows it.
    sim->setReg(2100, 0);
    frame.AtivarFrame(*comm, 1);
    view.render();
    QVERIFY(child<QRadioButton>(view, "rgModoTesteCalibracao0")->isChecked());
    QCOMPARE(child<QCheckBox>(view, "cbDesativaCalib")->text(), QString("Deactivate calibration"));
}

void CalibrationViewsTest::pageButtonsOpenTheWindowsAndLists()
{
    open("T", 70001);
    TFrameTesteCalibracao frame(ui);
    frame.AtivarFrame(*comm, 1);
    FrameTesteCalibracaoView view(frame);
    view.show();

    std::vector<std::string> memo;
    ui.memo = [&](TFormMemo& f) { memo = f.lines(); };
    QTest::mouseClick(child<QPushButton>(view, "bbLerParTeste"), Qt::LeftButton);
    QCOMPARE(memo.size(), std::size_t(30));
    QCOMPARE(memo[1], std::string("1: 1037"));
    QTest::mouseClick(child<QPushButton>(view, "bbLerUltimosErros"), Qt::LeftButton);
    QCOMPARE(memo.size(), std::size_t(20));
    QCOMPARE(memo[3], std::string("3: -2147483643"));

    int opened = 0;
    std::uint16_t modeInWindow = 0;
    ui.calibCorrente = [&](TFormCalibCorrente&) {
        ++opened;
        modeInWindow = sim->reg(2100);
    };
    ui.calibRTD = [&](TFormCalibRTD&) { opened += 10; };
    ui.calibRTDRegressao = [&](TFormCalibRTDRegressao&) { opened += 100; };
    ui.calibEntrCorr = [&](TFormCalibEntrCorrRegressao&) { opened += 1000; };
    for (const char* b : {"bbCalibrarSaidaCorrente", "bbCalibrarRTDs", "bbCalibrarRTDRegressao", "bbCalibrarEntrCorrReg"})
        QTest::mouseClick(child<QPushButton>(view, b), Qt::LeftButton);
    QCOMPARE(opened, 1111);
    QCOMPARE(modeInWindow, std::uint16_t(1));
    QCOMPARE(sim->reg(2100), std::uint16_t(0));
    QVERIFY(ui.messages.empty());
}

void CalibrationViewsTest::outputWindowDrivesTheTestCurrentAndSavesTheFit()
{
    open("T", 70002);
    TFormCalibCorrente logic(ui);
    logic.Show(*comm, 0);
    FormCalibCorrenteView view(logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Calibração da Saída de Corrente"));
    auto* grid = child<QTableWidget>(view, "sgValores");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(cellText(grid, 0, 0), QString("12 mA"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Corrente Obtida"));
    QCOMPARE(child<QLabel>(view, "pnCoefAng")->text(), QString("a = 1.0000"));

    typeAndEnter(child<QLineEdit>(view, "edNumPontos"), "2");
    QCOMPARE(grid->rowCount(), 2);
    auto* edVal = child<QLineEdit>(view, "edVal");
    struct Entry {
        int row, column;
        const char* text;
    };
    for (const Entry e : {Entry{0, 0, "4"}, Entry{0, 1, "4.1"}, Entry{1, 0, "20"}, Entry{1, 1, "20.3"}}) {
        clickCell(grid, e.row, e.column);
        QVERIFY(edVal->isVisible());
        QVERIFY(edVal->hasFocus());
        QTest::keyClicks(edVal, e.text);
        QTest::keyClick(edVal, Qt::Key_Return);
        QVERIFY(!edVal->isVisible());
        if (e.column == 0)
            QCOMPARE(sim->reg(2101), std::uint16_t(e.row == 0 ? 6250 : 31250));
    }
    QCOMPARE(cellText(grid, 1, 1), QString("20.300 mA"));
    QCOMPARE(child<QLabel>(view, "pnCoefAng")->text(), QString("a = 0.9877"));
    QCOMPARE(child<QLabel>(view, "pnCoefLin")->text(), QString("b = -0.0494"));

    // A refused value keeps the box open on its cell.
    clickCell(grid, 1, 0);
    QTest::keyClicks(edVal, "33");
    QTest::keyClick(edVal, Qt::Key_Return);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Valor de corrente inválida."});
    QVERIFY(edVal->isVisible());
    QTest::keyClick(edVal, Qt::Key_Escape);
    QVERIFY(!edVal->isVisible());

    QTest::mouseClick(child<QPushButton>(view, "bbSalvarCalibracao"), Qt::LeftButton);
    QVERIFY(std::abs(pairIn(*sim, 2510) - 0.98765f) < 1e-4f);
    QVERIFY(std::abs(pairIn(*sim, 2520) + 0.04938f) < 1e-4f);
    QCOMPARE(child<QLabel>(view, "pnCalibAtual")->text(), QString("Atual   Ganho:0.988  Offset:-0.049"));

    // The other range and output: the saved fit is left without a question.
    setPair(*sim, 2626, 1.25f);
    QVERIFY(comm->readRegisters(2626, 2));
    child<QRadioButton>(view, "rgEscala1")->click();
    QCOMPARE(logic.rgEscala(), 1);
    auto* cbIndexSaida = child<QComboBox>(view, "cbIndexSaida");
    cbIndexSaida->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(cbIndexSaida, Qt::Key_Down);
    QCOMPARE(logic.output(), 3);
    QCOMPARE(child<QLabel>(view, "pnCalibAtual")->text(), QString("Atual   Ganho:1.250  Offset:0.000"));
    QCOMPARE(cellText(grid, 0, 1), QString("12 mA"));
    QCOMPARE(ui.messages.size(), std::size_t(1));

    QTest::mouseClick(child<QPushButton>(view, "bbCancela"), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

void CalibrationViewsTest::rtdTableSendsTypedGainsAndShowsTheirEffect()
{
    open("T", 70003);
    TFormCalibRTD logic(ui);
    logic.Show(*comm, 1);
    FormCalibRTDView view(logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("RTD Calibration"));
    auto* grid = child<QTableWidget>(view, "sgValores");
    QCOMPARE(grid->rowCount(), 6);
    QCOMPARE(grid->horizontalHeaderItem(4)->text(), QString("After Calib."));
    QCOMPARE(cellText(grid, 5, 0), QString("6"));
    QCOMPARE(cellText(grid, 0, 1), QString("1.0000"));

    auto* edVal = child<QLineEdit>(view, "edVal");
    clickCell(grid, 0, 1);
    QVERIFY(edVal->isVisible());
    QCOMPARE(edVal->text(), QString("1.0000"));
    QTest::keyClicks(edVal, "1.6");
    QTest::keyClick(edVal, Qt::Key_Return);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid gain. It must be a value between 0.5 and 1.5."});
    QVERIFY(edVal->isVisible());
    QCOMPARE(pairIn(*sim, 2540), 1.0f);
    edVal->selectAll();
    QTest::keyClicks(edVal, "1.5");
    QTest::keyClick(edVal, Qt::Key_Return);
    QVERIFY(!edVal->isVisible());
    QCOMPARE(sim->reg(2540), std::uint16_t(0x0000));
    QCOMPARE(sim->reg(2541), std::uint16_t(0x3FC0));
    QCOMPARE(cellText(grid, 0, 1), QString("1.5000"));

    clickCell(grid, 1, 2);
    QTest::keyClicks(edVal, "-2.5");
    QTest::keyClick(edVal, Qt::Key_Return);
    QCOMPARE(pairIn(*sim, 2562), -2.5f);

    // The raw reading as corrected by the new gain and offset; the timer refreshes it.
    QVERIFY(view.findChild<QTimer*>()->isActive());
    const auto after = [&](int row) { return cellText(grid, row, 4).toDouble(); };
    const auto before = [&](int row) { return cellText(grid, row, 3).toDouble(); };
    QVERIFY(std::abs(after(0) - 1.5 * before(0)) < 0.02);
    QVERIFY(std::abs(after(1) - (before(1) - 2.5)) < 0.02);
}

void CalibrationViewsTest::regressionWindowCollectsPointsAndSavesTheLine()
{
    open("T", 70004);
    TFormCalibRTDRegressao logic(ui);
    logic.Show(*comm, 0);
    FormCalibRegressaoView view(logic, &logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Calibração do RTD por Regressão"));
    QCOMPARE(child<QLabel>(view, "pnCanal")->text(), QString("RTD 1"));
    QVERIFY(child<QPushButton>(view, "bbProximo")->isVisible());

    for (const auto& [measured, expected] : {std::pair{"100", "100.5"}, std::pair{"120", "120.9"}}) {
        type(child<QLineEdit>(view, "edMedido"), measured);
        type(child<QLineEdit>(view, "edEsperado"), expected);
        QTest::mouseClick(child<QPushButton>(view, "bbAdicionar"), Qt::LeftButton);
    }
    auto* grid = child<QTableWidget>(view, "sgValores");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(cellText(grid, 1, 2), QString("120.900"));
    QCOMPARE(child<QLabel>(view, "pnCoefAng")->text(), QString("a = 1.0200"));
    QCOMPARE(child<QLabel>(view, "pnCoefLin")->text(), QString("b = -1.5000"));

    // A temperature in the unit box becomes its Pt100 resistance.
    auto* cbUnidade = child<QComboBox>(view, "cbUnidade");
    cbUnidade->setFocus();
    QTest::keyClick(cbUnidade, Qt::Key_Down);
    QCOMPARE(logic.cbUnidade(), 1);
    type(child<QLineEdit>(view, "edMedido"), "138");
    type(child<QLineEdit>(view, "edEsperado"), "100");
    QTest::mouseClick(child<QPushButton>(view, "bbAdicionar"), Qt::LeftButton);
    QVERIFY(cellText(grid, 2, 2).startsWith("138.50"));

    grid->setCurrentCell(2, 0);
    QTest::mouseClick(child<QPushButton>(view, "bbRemover"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 2);

    QTest::mouseClick(child<QPushButton>(view, "bbSalvarCalibracao"), Qt::LeftButton);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Calibração salva com sucesso"});
    QVERIFY(std::abs(pairIn(*sim, 2540) - 1.02f) < 1e-5f);
    QVERIFY(std::abs(pairIn(*sim, 2560) + 1.5f) < 1e-4f);
    QCOMPARE(child<QLabel>(view, "pnCalibAtual")->text(), QString("Atual   Ganho:1.020  Offset:-1.500"));

    // The live reading arrives with the timer; the copy button takes it.
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "pnMedidaAtual")->text().contains("ohms"); }, 3000));
    QTest::mouseClick(child<QPushButton>(view, "bbLerValor"), Qt::LeftButton);
    QVERIFY(child<QLineEdit>(view, "edMedido")->text().toDouble() > 50.0);

    QTest::mouseClick(child<QPushButton>(view, "bbProximo"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "pnCanal")->text(), QString("RTD 2"));
    QCOMPARE(child<QLabel>(view, "pnCoefAng")->text(), QString("a = 1.0000"));
}

void CalibrationViewsTest::inputRegressionWindowShowsTheInputsUnits()
{
    open("R", 70005);
    TFormCalibEntrCorrRegressao logic(ui);
    logic.Show(*comm, 1);
    FormCalibRegressaoView view(logic, nullptr, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Current Input Calibration with Regression"));
    QVERIFY(view.findChild<QComboBox*>("cbUnidade") == nullptr);
    QCOMPARE(child<QLabel>(view, "pnCanal")->text(), QString("Input 1"));
    auto* grid = child<QTableWidget>(view, "sgValores");
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("Expected (Arms)"));
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "pnMedidaAtual")->text().endsWith(" Arms"); }, 3000));

    QTest::mouseClick(child<QPushButton>(view, "bbProximo"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "pnCanal")->text(), QString("Input 2"));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("Expected (Vrms)"));
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "pnMedidaAtual")->text().endsWith(" Vrms"); }, 3000));

    for (const auto& [measured, applied] : {std::pair{"100", "110"}, std::pair{"200", "210"}}) {
        type(child<QLineEdit>(view, "edMedido"), measured);
        type(child<QLineEdit>(view, "edEsperado"), applied);
        QTest::mouseClick(child<QPushButton>(view, "bbAdicionar"), Qt::LeftButton);
    }
    QTest::mouseClick(child<QPushButton>(view, "bbSalvarCalibracao"), Qt::LeftButton);
    QCOMPARE(pairIn(*sim, 2604), 1.0f);
    QCOMPARE(pairIn(*sim, 2614), 10.0f);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Calibration saved successfully"});
    QTest::mouseClick(child<QPushButton>(view, "bbProximo"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "pnCanal")->text(), QString("Input 1"));
}

QTEST_MAIN(CalibrationViewsTest)
#include "CalibrationViewsTest.moc"
