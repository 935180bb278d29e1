#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/calibration/CalibrationPageView.h"
#include "gui/screens/calibration/OutputCalibrationWindowView.h"
#include "gui/screens/calibration/RegressionWindowView.h"
#include "gui/screens/calibration/RtdTableWindowView.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/OutputCalibrationWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"
#include "screens/calibration/RtdTableWindow.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QHeaderView>
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

void typeInto(QLineEdit* edit, const QString& text)
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
    void regressionGridShowsEveryColumnAndARowWhenEmpty();

private:
    void open(const std::string& model, int serial);

    std::unique_ptr<TempFolder> data;
    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
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
    comm = std::make_unique<DeviceLink>(pump);
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
    CalibrationPage page(ui);
    page.activate(*comm, 0);
    CalibrationPageView view(page);
    view.render();
    QVERIFY(showActive(view));

    QCOMPARE(child<QGroupBox>(view, "testModeGroup")->title(), QString("Modo de Teste e Calibração"));
    QVERIFY(child<QRadioButton>(view, "testModeGroup0")->isChecked());
    QCOMPARE(child<QLabel>(view, "outputCurrentLabel")->text(), QString("Saída de Corrente (0-1.5mA)"));
    QCOMPARE(child<QLineEdit>(view, "outputCurrentEdit")->text(), QString("0.7500"));
    QCOMPARE(child<QLineEdit>(view, "resistor127Edit")->text(), QString("127.45"));
    QCOMPARE(child<QLineEdit>(view, "serialNumberEdit")->text(), QString("70000"));
    QCOMPARE(child<QLabel>(view, "parametersSizePanel")->text(), QString("Tamanho dos Parâmetros Salvos: 512 bytes"));
    QCOMPARE(child<QPushButton>(view, "rtdTableButton")->text(), QString("Calibração dos RTDs"));

    child<QRadioButton>(view, "testModeGroup1")->click();
    QCOMPARE(sim->reg(2100), std::uint16_t(1));
    child<QCheckBox>(view, "calibrationDisabledCheck")->click();
    QCOMPARE(sim->reg(2105), std::uint16_t(1));
    typeAndEnter(child<QLineEdit>(view, "outputCurrentEdit"), "1,5");
    QCOMPARE(sim->reg(2101), std::uint16_t(50000));
    typeAndEnter(child<QLineEdit>(view, "resistor127Edit"), "127.5");
    QCOMPARE(sim->reg(2530), std::uint16_t(12750));
    QVERIFY(ui.messages.empty());

    const std::uint64_t writes = sim->writeCount();
    typeAndEnter(child<QLineEdit>(view, "outputCurrentEdit"), "1.6");
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5"});
    QCOMPARE(sim->writeCount(), writes);
    // The device's value again.
    QCOMPARE(child<QLineEdit>(view, "outputCurrentEdit")->text(), QString("1.5000"));

    // The device switched off from elsewhere: the next redraw shows it.
    sim->setReg(2100, 0);
    page.activate(*comm, 1);
    view.render();
    QVERIFY(child<QRadioButton>(view, "testModeGroup0")->isChecked());
    QCOMPARE(child<QCheckBox>(view, "calibrationDisabledCheck")->text(), QString("Deactivate calibration"));
}

void CalibrationViewsTest::pageButtonsOpenTheWindowsAndLists()
{
    open("T", 70001);
    CalibrationPage page(ui);
    page.activate(*comm, 1);
    CalibrationPageView view(page);
    view.show();

    std::vector<std::string> lines;
    ui.textWindow = [&](TextWindow& window) { lines = window.lines(); };
    QTest::mouseClick(child<QPushButton>(view, "readTestParametersButton"), Qt::LeftButton);
    QCOMPARE(lines.size(), std::size_t(30));
    QCOMPARE(lines[1], std::string("1: 1037"));
    QTest::mouseClick(child<QPushButton>(view, "readLastErrorsButton"), Qt::LeftButton);
    QCOMPARE(lines.size(), std::size_t(20));
    QCOMPARE(lines[3], std::string("3: -2147483643"));

    int opened = 0;
    std::uint16_t modeInWindow = 0;
    ui.outputCalibrationWindow = [&](OutputCalibrationWindow&) {
        ++opened;
        modeInWindow = sim->reg(2100);
    };
    ui.rtdTableWindow = [&](RtdTableWindow&) { opened += 10; };
    ui.rtdRegressionWindow = [&](RtdRegressionWindow&) { opened += 100; };
    ui.inputRegressionWindow = [&](InputRegressionWindow&) { opened += 1000; };
    for (const char* b : {"outputCalibrationButton", "rtdTableButton", "rtdRegressionButton", "inputRegressionButton"})
        QTest::mouseClick(child<QPushButton>(view, b), Qt::LeftButton);
    QCOMPARE(opened, 1111);
    QCOMPARE(modeInWindow, std::uint16_t(1));
    QCOMPARE(sim->reg(2100), std::uint16_t(0));
    QVERIFY(ui.messages.empty());
}

void CalibrationViewsTest::outputWindowDrivesTheTestCurrentAndSavesTheFit()
{
    open("T", 70002);
    OutputCalibrationWindow logic(ui);
    logic.open(*comm, 0);
    OutputCalibrationWindowView view(logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Calibração da Saída de Corrente"));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(cellText(grid, 0, 0), QString("12 mA"));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Corrente Obtida"));
    QCOMPARE(child<QLabel>(view, "slopePanel")->text(), QString("a = 1.0000"));

    typeAndEnter(child<QLineEdit>(view, "pointCountEdit"), "2");
    QCOMPARE(grid->rowCount(), 2);
    QVERIFY2(!child<QLineEdit>(view, "pointCountEdit")->hasFocus(), "Enter applies and moves on");
    QCOMPARE(ui.messages.size(), std::size_t(0));
    auto* cellEditor = child<QLineEdit>(view, "cellEditor");
    struct Entry {
        int row, column;
        const char* text;
    };
    for (const Entry e : {Entry{0, 0, "4"}, Entry{0, 1, "4.1"}, Entry{1, 0, "20"}, Entry{1, 1, "20.3"}}) {
        clickCell(grid, e.row, e.column);
        QVERIFY(cellEditor->isVisible());
        QVERIFY(cellEditor->hasFocus());
        QTest::keyClicks(cellEditor, e.text);
        QTest::keyClick(cellEditor, Qt::Key_Return);
        QVERIFY(!cellEditor->isVisible());
        if (e.column == 0)
            QCOMPARE(sim->reg(2101), std::uint16_t(e.row == 0 ? 6250 : 31250));
    }
    QCOMPARE(cellText(grid, 1, 1), QString("20.300 mA"));
    QCOMPARE(child<QLabel>(view, "slopePanel")->text(), QString("a = 0.9877"));
    QCOMPARE(child<QLabel>(view, "interceptPanel")->text(), QString("b = -0.0494"));

    // A refused value keeps the box open on its cell.
    clickCell(grid, 1, 0);
    QTest::keyClicks(cellEditor, "33");
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Valor de corrente inválida."});
    QVERIFY(cellEditor->isVisible());
    QTest::keyClick(cellEditor, Qt::Key_Escape);
    QVERIFY(!cellEditor->isVisible());

    QTest::mouseClick(child<QPushButton>(view, "saveCalibrationButton"), Qt::LeftButton);
    QVERIFY(std::abs(pairIn(*sim, 2510) - 0.98765f) < 1e-4f);
    QVERIFY(std::abs(pairIn(*sim, 2520) + 0.04938f) < 1e-4f);
    QCOMPARE(child<QLabel>(view, "deviceCalibrationPanel")->text(), QString("Atual   Ganho:0.988  Offset:-0.049"));

    // The other range and output: the saved fit is left without a question.
    setPair(*sim, 2626, 1.25f);
    QVERIFY(comm->readRegisters(2626, 2));
    child<QRadioButton>(view, "rangeGroup1")->click();
    QCOMPARE(logic.range(), 1);
    auto* outputCombo = child<QComboBox>(view, "outputCombo");
    outputCombo->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(outputCombo, Qt::Key_Down);
    QCOMPARE(logic.output(), 3);
    QCOMPARE(child<QLabel>(view, "deviceCalibrationPanel")->text(), QString("Atual   Ganho:1.250  Offset:0.000"));
    QCOMPARE(cellText(grid, 0, 1), QString("12 mA"));
    QCOMPARE(ui.messages.size(), std::size_t(1));

    QTest::mouseClick(child<QPushButton>(view, "cancelButton"), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

void CalibrationViewsTest::rtdTableSendsTypedGainsAndShowsTheirEffect()
{
    open("T", 70003);
    RtdTableWindow logic(ui);
    logic.open(*comm, 1);
    RtdTableWindowView view(logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("RTD Calibration"));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->rowCount(), 6);
    QCOMPARE(grid->horizontalHeaderItem(4)->text(), QString("After Calib."));
    QCOMPARE(cellText(grid, 5, 0), QString("6"));
    QCOMPARE(cellText(grid, 0, 1), QString("1.0000"));

    auto* cellEditor = child<QLineEdit>(view, "cellEditor");
    clickCell(grid, 0, 1);
    QVERIFY(cellEditor->isVisible());
    QCOMPARE(cellEditor->text(), QString("1.0000"));
    QTest::keyClicks(cellEditor, "1.6");
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid gain. It must be a value between 0.5 and 1.5."});
    QVERIFY(cellEditor->isVisible());
    QCOMPARE(pairIn(*sim, 2540), 1.0f);
    cellEditor->selectAll();
    QTest::keyClicks(cellEditor, "1.5");
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QVERIFY(!cellEditor->isVisible());
    QCOMPARE(sim->reg(2540), std::uint16_t(0x0000));
    QCOMPARE(sim->reg(2541), std::uint16_t(0x3FC0));
    QCOMPARE(cellText(grid, 0, 1), QString("1.5000"));

    clickCell(grid, 1, 2);
    QTest::keyClicks(cellEditor, "-2.5");
    QTest::keyClick(cellEditor, Qt::Key_Return);
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
    RtdRegressionWindow logic(ui);
    logic.open(*comm, 0);
    RegressionWindowView view(logic, &logic, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Calibração do RTD por Regressão"));
    QCOMPARE(child<QLabel>(view, "channelPanel")->text(), QString("RTD 1"));
    QVERIFY(child<QPushButton>(view, "nextChannelButton")->isVisible());

    for (const auto& [measured, expected] : {std::pair{"100", "100.5"}, std::pair{"120", "120.9"}}) {
        typeInto(child<QLineEdit>(view, "measuredEdit"), measured);
        typeInto(child<QLineEdit>(view, "expectedEdit"), expected);
        QTest::mouseClick(child<QPushButton>(view, "addPointButton"), Qt::LeftButton);
    }
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(cellText(grid, 1, 2), QString("120.900"));
    QCOMPARE(child<QLabel>(view, "slopePanel")->text(), QString("a = 1.0200"));
    QCOMPARE(child<QLabel>(view, "interceptPanel")->text(), QString("b = -1.5000"));

    // A temperature in the unit box becomes its Pt100 resistance.
    auto* unitCombo = child<QComboBox>(view, "unitCombo");
    unitCombo->setFocus();
    QTest::keyClick(unitCombo, Qt::Key_Down);
    QCOMPARE(logic.unit(), 1);
    typeInto(child<QLineEdit>(view, "measuredEdit"), "138");
    typeInto(child<QLineEdit>(view, "expectedEdit"), "100");
    QTest::mouseClick(child<QPushButton>(view, "addPointButton"), Qt::LeftButton);
    QVERIFY(cellText(grid, 2, 2).startsWith("138.50"));

    grid->setCurrentCell(2, 0);
    QTest::mouseClick(child<QPushButton>(view, "removePointButton"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 2);

    QTest::mouseClick(child<QPushButton>(view, "saveCalibrationButton"), Qt::LeftButton);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Calibração salva com sucesso"});
    QVERIFY(std::abs(pairIn(*sim, 2540) - 1.02f) < 1e-5f);
    QVERIFY(std::abs(pairIn(*sim, 2560) + 1.5f) < 1e-4f);
    QCOMPARE(child<QLabel>(view, "deviceCalibrationPanel")->text(), QString("Atual   Ganho:1.020  Offset:-1.500"));

    // The live reading arrives with the timer; the copy button takes it.
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "liveReadingPanel")->text().contains("ohms"); }, 3000));
    QTest::mouseClick(child<QPushButton>(view, "copyMeasurementButton"), Qt::LeftButton);
    QVERIFY(child<QLineEdit>(view, "measuredEdit")->text().toDouble() > 50.0);

    QTest::mouseClick(child<QPushButton>(view, "nextChannelButton"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "channelPanel")->text(), QString("RTD 2"));
    QCOMPARE(child<QLabel>(view, "slopePanel")->text(), QString("a = 1.0000"));
}

void CalibrationViewsTest::inputRegressionWindowShowsTheInputsUnits()
{
    open("R", 70005);
    InputRegressionWindow logic(ui);
    logic.open(*comm, 1);
    RegressionWindowView view(logic, nullptr, nullptr);
    QVERIFY(showActive(view));
    QCOMPARE(view.windowTitle(), QString("Current Input Calibration with Regression"));
    QVERIFY(view.findChild<QComboBox*>("unitCombo") == nullptr);
    QCOMPARE(child<QLabel>(view, "channelPanel")->text(), QString("Input 1"));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("Expected (Arms)"));
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "liveReadingPanel")->text().endsWith(" Arms"); }, 3000));

    QTest::mouseClick(child<QPushButton>(view, "nextChannelButton"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "channelPanel")->text(), QString("Input 2"));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("Expected (Vrms)"));
    QVERIFY(QTest::qWaitFor([&] { return child<QLabel>(view, "liveReadingPanel")->text().endsWith(" Vrms"); }, 3000));

    for (const auto& [measured, applied] : {std::pair{"100", "110"}, std::pair{"200", "210"}}) {
        typeInto(child<QLineEdit>(view, "measuredEdit"), measured);
        typeInto(child<QLineEdit>(view, "expectedEdit"), applied);
        QTest::mouseClick(child<QPushButton>(view, "addPointButton"), Qt::LeftButton);
    }
    QTest::mouseClick(child<QPushButton>(view, "saveCalibrationButton"), Qt::LeftButton);
    QCOMPARE(pairIn(*sim, 2604), 1.0f);
    QCOMPARE(pairIn(*sim, 2614), 10.0f);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Calibration saved successfully"});
    QTest::mouseClick(child<QPushButton>(view, "nextChannelButton"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(view, "channelPanel")->text(), QString("Input 1"));
}

void CalibrationViewsTest::regressionGridShowsEveryColumnAndARowWhenEmpty()
{
    open("T", 70006);
    RtdRegressionWindow logic(ui);
    logic.open(*comm, 1);
    RegressionWindowView view(logic, &logic, nullptr);
    QVERIFY(showActive(view));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->rowCount(), 1);
    for (int column = 0; column < grid->columnCount(); ++column)
        QCOMPARE(cellText(grid, 0, column), QString());
    // Removing the empty row is no mistake of the user's.
    grid->setCurrentCell(0, 0);
    QTest::mouseClick(child<QPushButton>(view, "removePointButton"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY(ui.messages.empty());

    for (int i = 0; i < 12; ++i) {
        typeInto(child<QLineEdit>(view, "measuredEdit"), QString::number(100 + i));
        typeInto(child<QLineEdit>(view, "expectedEdit"), QString::number(100.5 + i));
        QTest::mouseClick(child<QPushButton>(view, "addPointButton"), Qt::LeftButton);
    }
    QCOMPARE(grid->rowCount(), 12);
    QTRY_VERIFY(grid->verticalScrollBar()->isVisible());
    // Every column whole beside the scroll bar, each as wide as its header.
    QVERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width());
    const QFontMetrics metrics = grid->horizontalHeader()->fontMetrics();
    for (int column = 1; column < grid->columnCount(); ++column) {
        const QString header = grid->horizontalHeaderItem(column)->text();
        QVERIFY2(grid->columnWidth(column) >= metrics.horizontalAdvance(header), qPrintable(header));
    }
    // A selected point does not mark the header.
    grid->setCurrentCell(3, 0);
    QVERIFY(!grid->horizontalHeader()->highlightSections());
}

QLX700_GUI_TEST(CalibrationViewsTest)
#include "CalibrationViewsTest.moc"
