#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "device/DeviceType.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtFileChooser.h"
#include "gui/screens/thermal/FaultDetectionWindowView.h"
#include "gui/screens/thermal/ValueTestWindowView.h"
#include "gui/app/QtUi.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "screens/thermal/ValueTestWindow.h"
#include "support/ScriptedFiles.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

QLineEdit* cell(QWidget& view, int row)
{
    auto* edit = qobject_cast<QLineEdit*>(child<QTableWidget>(view, "valueGrid")->cellWidget(row, 1));
    if (edit == nullptr)
        qFatal("no value cell in row %d", row);
    return edit;
}

void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Plays `steps` on the first visible top-level widget of type T once the next modal
// loop runs, then closes it with `close` whatever the steps did.
template <typename T>
void whenShown(std::function<void(T&)> steps, std::function<void(T&)> close)
{
    QTimer::singleShot(0, [steps = std::move(steps), close = std::move(close)] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* t = qobject_cast<T*>(w); t != nullptr && t->isVisible()) {
                steps(*t);
                close(*t);
                return;
            }
        }
        qFatal("no window shown");
    });
}

} // namespace

// The thermal windows' views against their logic and a simulated QLX700: typing and
// clicks reach the device registers, the device's state reaches the widgets.
class ThermalWindowsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void membraneGridSendsTheTypedParameters();
    void membraneWindowTicksWhileModal();
    void saveButtonFollowsTheRecording();
    void valueWindowSendsTheModeAndTheValues();
    void valueWindowRowsFollowTheModel();
    void aClickInAValueCellSelectsItsText();
    void fileFiltersBecomeQtFilters_data();
    void fileFiltersBecomeQtFilters();
    void fileChooserStartsInTheFolderAndAddsTheSuffix();

private:
    bool openDevice(const std::string& model, int deviceType = kQLX700T);

    QtEventPump pump;
    ScriptedUi ui;
    ScriptedFiles files;
    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<FolderAppSettings> settings;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
};

void ThermalWindowsViewTest::init()
{
    ui.messages.clear();
    files.answer.reset();
    files.requests.clear();
    folder = std::make_unique<TempFolder>();
    settings = std::make_unique<FolderAppSettings>(folder->path());
}

void ThermalWindowsViewTest::cleanup()
{
    comm.reset();
    sim.reset();
    settings.reset();
    folder.reset();
}

bool ThermalWindowsViewTest::openDevice(const std::string& model, int deviceType)
{
    sim = qlxsim::SimServer::start(qlxsim::SimConfig{.model = model}, {.serial = true});
    comm = std::make_unique<DeviceLink>(pump);
    comm->setDeviceType(deviceType);
    return comm->openSerial(sim->serialPath(), {9600, 0, 0}, true);
}

void ThermalWindowsViewTest::membraneGridSendsTheTypedParameters()
{
    QVERIFY(openDevice("T-membrane"));
    FaultDetectionWindow logic(*settings, ui, files);
    logic.activate(*comm, 1);
    FaultDetectionWindowView view(logic, nullptr);
    view.show();
    QCOMPARE(view.windowTitle(), QString("Detect Membrane Failure"));
    QCOMPARE(child<QPushButton>(view, "sendButton")->text(), QString("Send"));
    QVERIFY(child<QLabel>(view, "infoLabel")->text().startsWith("Nmin, Nmax, Nestim and Nmeas in seconds"));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->rowCount(), 7);
    QCOMPARE(grid->item(0, 0)->text(), QString("Nmin"));
    QCOMPARE(grid->item(6, 0)->text(), QString("Delta"));
    QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));
    QCOMPARE(cell(view, 0)->text(), QString("12.0")); // 10 periods of 1.2 s
    QCOMPARE(cell(view, 6)->text(), QString("1.5"));

    const char* typed[] = {"30", "1500", "-5", "10", "2000", "7", "12.34"};
    for (int row = 0; row < 7; ++row)
        retype(cell(view, row), typed[row]);
    QTest::mouseClick(child<QPushButton>(view, "sendButton"), Qt::LeftButton);
    const std::uint16_t expected[] = {25, 1200, 0, 8, 1440, 7, 123};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(sim->reg(static_cast<std::uint16_t>(1202 + i)), expected[i]);
    QVERIFY(ui.messages.empty());
    QCOMPARE(cell(view, 0)->text(), QString("30"));

    const std::uint64_t before = sim->requestCount();
    retype(cell(view, 2), "abc");
    QTest::mouseClick(child<QPushButton>(view, "sendButton"), Qt::LeftButton);
    QCOMPARE(sim->requestCount(), before);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Invalid value: abc"});
}

void ThermalWindowsViewTest::membraneWindowTicksWhileModal()
{
    QVERIFY(openDevice("T-membrane"));
    sim->setReg(1209, 2);
    sim->setReg(510, 1234);
    FaultDetectionWindow logic(*settings, ui, files);
    logic.activate(*comm, 0);
    QWidget anchor;
    anchor.setGeometry(40, 60, 300, 200);
    anchor.show();
    QtUi windows(&anchor);

    QString stateText;
    QString measurementText;
    QPoint at;
    bool wasModal = false;
    bool ticked = false;
    // Watches the open window until its timer has drawn the device's state.
    whenShown<FaultDetectionWindowView>(
        [&](FaultDetectionWindowView& view) {
            at = view.pos();
            wasModal = view.isModal();
            auto* statePanel = child<QLabel>(view, "statePanel");
            ticked = QTest::qWaitFor([statePanel] { return !statePanel->text().isEmpty(); }, 5000);
            stateText = statePanel->text();
            measurementText = child<QLabel>(view, "measurementPanel")->text();
        },
        [](FaultDetectionWindowView& view) { QTest::keyClick(&view, Qt::Key_Escape); });
    windows.exec(logic);

    QVERIFY(wasModal);
    QVERIFY(ticked);
    QCOMPARE(at, anchor.mapToGlobal(QPoint(0, 0)) + QPoint(200, 200));
    QCOMPARE(stateText, QString("Estado:  Estímulo"));
    QCOMPARE(measurementText, QString("Medida Atual:  -26.6"));
    QCOMPARE(logic.modalResult(), int(mrCancel));
}

void ThermalWindowsViewTest::saveButtonFollowsTheRecording()
{
    QVERIFY(openDevice("T-membrane"));
    sim->setReg(1209, 4);
    sim->setReg(1210, 0x0000);
    sim->setReg(1211, 0x3F40); // 0.75
    sim->setReg(510, 1750);
    FaultDetectionWindow logic(*settings, ui, files);
    logic.activate(*comm, 0);
    FaultDetectionWindowView view(logic, nullptr);
    view.show();
    auto* saveButton = child<QPushButton>(view, "recordButton");
    QVERIFY(saveButton->isCheckable());
    QVERIFY(view.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly)->isActive());

    QTest::mouseClick(saveButton, Qt::LeftButton);
    QCOMPARE(files.requests.size(), std::size_t(1));
    QCOMPARE(files.requests[0].title, std::string("Salvar Dados"));
    QVERIFY(!saveButton->isChecked());
    QVERIFY(!logic.recording());

    const std::filesystem::path file = *folder / "rec.txt";
    files.answer = file;
    QTest::mouseClick(saveButton, Qt::LeftButton);
    QVERIFY(saveButton->isChecked());
    QVERIFY(logic.recording());
    QCOMPARE(settings->record().LastFaultDetectionPath, file.string());

    view.tick();
    QCOMPARE(child<QLabel>(view, "statePanel")->text(), QString("Estado:  Medição"));
    QCOMPARE(child<QLabel>(view, "resultPanel")->text(), QString("Result:  0.75000"));
    QCOMPARE(child<QLabel>(view, "measurementPanel")->text(), QString("Medida Atual:  25.0"));
    sim->setReg(1209, 5);
    view.tick();
    // Windows-1252, as every text file of the tool.
    QCOMPARE(TempFolder::read(file), std::string("Estado:  Medi\xE7\xE3o\r\nMedida Atual:  25.0\r\n"
                                                 "Estado:  Tempo Morto\r\nResult:  0.75000\r\nMedida Atual:  25.0\r\n"));

    QTest::mouseClick(saveButton, Qt::LeftButton);
    QVERIFY(!logic.recording());
    QVERIFY(!saveButton->isChecked());
    view.tick();
    QCOMPARE(logic.lines().size(), std::size_t(5));

    // A recording that cannot be written stops, and the button comes up with it.
    files.answer = *folder / "missing" / "rec.txt";
    QTest::mouseClick(saveButton, Qt::LeftButton);
    QCOMPARE(files.requests.back().initialFolder, folder->path());
    QVERIFY(saveButton->isChecked());
    view.tick();
    QVERIFY(!saveButton->isChecked());
    QCOMPARE(ui.messages.size(), std::size_t(1));

    view.hide();
    QVERIFY(!view.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly)->isActive());
}

void ThermalWindowsViewTest::valueWindowSendsTheModeAndTheValues()
{
    QVERIFY(openDevice("T"));
    sim->setReg(2150, 1);
    sim->setReg(2151, 1000);
    sim->setReg(2157, 250);
    ValueTestWindow logic(ui);
    logic.activate(*comm, 0);
    QWidget anchor;
    anchor.setGeometry(30, 50, 400, 300);
    anchor.show();
    ValueTestWindowView view(logic, &anchor);
    view.showAt(&anchor);
    QVERIFY(view.isWindow());
    QVERIFY(!view.isModal());
    QCOMPARE(view.pos(), anchor.mapToGlobal(QPoint(0, 0)) + QPoint(100, 100));
    QCOMPARE(view.windowTitle(), QString("Testes"));
    QCOMPARE(child<QLabel>(view, "infoLabel1")->text(), QString("RTDs em ohms, Corrente em A"));
    QCOMPARE(child<QLabel>(view, "infoLabel4")->text(), QString("138 ohms =~ 98ºC"));
    auto* grid = child<QTableWidget>(view, "valueGrid");
    QCOMPARE(grid->columnWidth(0), 60);
    QCOMPARE(grid->columnWidth(1), 100);
    QCOMPARE(grid->item(5, 0)->text(), QString("RTD6"));
    QCOMPARE(grid->item(8, 0)->text(), QString("Corr3"));
    for (int r = 0; r < 9; ++r)
        QVERIFY(!grid->isRowHidden(r));
    auto* testActiveCheck = child<QCheckBox>(view, "testActiveCheck");
    QVERIFY(testActiveCheck->isChecked());
    QCOMPARE(cell(view, 0)->text(), QString("100.0"));
    QCOMPARE(cell(view, 6)->text(), QString("2.50"));

    testActiveCheck->click();
    QVERIFY(!logic.testActive());
    retype(cell(view, 0), "120");
    retype(cell(view, 5), "7000");
    retype(cell(view, 8), "1.5");
    QTest::mouseClick(child<QPushButton>(view, "sendSecondButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(2150), std::uint16_t(0));
    QCOMPARE(sim->reg(2151), std::uint16_t(1200));
    QCOMPARE(sim->reg(2156), std::uint16_t(65535));
    QCOMPARE(sim->reg(2157), std::uint16_t(250));
    QCOMPARE(sim->reg(2159), std::uint16_t(150));

    struct Press {
        const char* button;
        std::uint16_t mode;
    };
    testActiveCheck->click();
    for (const Press p : {Press{"sendSecondButton", 2}, Press{"sendButton", 1}}) {
        QTest::mouseClick(child<QPushButton>(view, p.button), Qt::LeftButton);
        QCOMPARE(sim->reg(2150), p.mode);
    }

    const std::uint64_t before = sim->requestCount();
    retype(cell(view, 2), "abc");
    QTest::mouseClick(child<QPushButton>(view, "sendButton"), Qt::LeftButton);
    QCOMPARE(sim->requestCount(), before);
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Valor inválido: abc"});
}

// Typing over a cell's value replaces it, as in every other grid editor: "0.0" and a
// typed 100 are 100, not 0.0100.
void ThermalWindowsViewTest::aClickInAValueCellSelectsItsText()
{
    QVERIFY(openDevice("T"));
    ValueTestWindow logic(ui);
    logic.activate(*comm, 0);
    ValueTestWindowView view(logic, nullptr);
    view.showAt(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QLineEdit* first = cell(view, 0);
    QCOMPARE(first->text(), QString("0.0"));
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 4, first->height() / 2));
    QVERIFY(first->hasFocus());
    QTest::keyClicks(first, "100");
    QCOMPARE(first->text(), QString("100"));
    // A click in the cell being typed in places the cursor, as usual.
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() - 4, first->height() / 2));
    QTest::keyClicks(first, "5");
    QCOMPARE(first->text(), QString("1005"));
    QTest::mouseClick(child<QPushButton>(view, "sendButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(2151), std::uint16_t(10050));
}

void ThermalWindowsViewTest::valueWindowRowsFollowTheModel()
{
    QVERIFY(openDevice("R", kQLX700R));
    sim->setReg(2151, 7);
    ValueTestWindow logic(ui);
    ValueTestWindowView view(logic);
    view.render();
    auto* grid = child<QTableWidget>(view, "valueGrid");
    for (int r = 0; r < 9; ++r)
        QVERIFY(grid->isRowHidden(r)); // nothing to show before the first activation

    logic.activate(*comm, 1);
    view.showAt(nullptr);
    QCOMPARE(view.windowTitle(), QString("Tests"));
    QCOMPARE(child<QCheckBox>(view, "testActiveCheck")->text(), QString("Activate measure test"));
    QCOMPARE(child<QPushButton>(view, "sendSecondButton")->text(), QString("Send 2"));
    const QStringList labels{"Posit", "V Sec", "I Sec", "Lag"};
    for (int r = 0; r < 9; ++r) {
        QCOMPARE(grid->isRowHidden(r), r >= labels.size());
        if (r < labels.size())
            QCOMPARE(grid->item(r, 0)->text(), labels[r]);
    }
    QCOMPARE(cell(view, 0)->text(), QString("7"));

    logic.setLanguage(2);
    view.render();
    QCOMPARE(grid->item(3, 0)->text(), QString("Retras"));

    sim->setReg(2155, 99); // a row the model does not use is sent as 0
    retype(cell(view, 0), "300");
    QTest::mouseClick(child<QPushButton>(view, "sendButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(2151), std::uint16_t(255));
    QCOMPARE(sim->reg(2155), std::uint16_t(0));
}

void ThermalWindowsViewTest::fileFiltersBecomeQtFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("named") << "Desc (*.conf)|*.conf" << "Desc (*.conf)";
    QTest::newRow("accents") << "Arquivo de configuração (*.conf)|*.conf" << "Arquivo de configuração (*.conf)";
    QTest::newRow("bare name") << "Config|*.conf" << "Config (*.conf)";
    QTest::newRow("other parentheses") << "Config (QLX)|*.conf" << "Config (QLX) (*.conf)";
    QTest::newRow("pairs and lists") << "Images|*.png;*.bmp|All (*.*)|*.*" << "Images (*.png *.bmp);;All (*.*)";
    QTest::newRow("no pattern") << "Text (*.txt)" << "Text (*.txt)";
}

void ThermalWindowsViewTest::fileFiltersBecomeQtFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(qtFileFilter(filter.toStdString()), qt);
}

void ThermalWindowsViewTest::fileChooserStartsInTheFolderAndAddsTheSuffix()
{
    QWidget anchor;
    anchor.show();
    QtFileChooser chooser(&anchor);
    const FileChooser::Request request{"Salvar Dados", "Arquivo texto (*.txt)|*.txt", "txt", folder->path()};

    QString directory;
    QStringList nameFilters;
    whenShown<QFileDialog>(
        [&](QFileDialog& d) {
            directory = d.directory().absolutePath();
            nameFilters = d.nameFilters();
            d.selectFile("rec");
        },
        [](QFileDialog& d) { static_cast<QDialog&>(d).accept(); });
    QCOMPARE(chooser.chooseSaveFile(request), std::optional(*folder / "rec.txt"));
    QCOMPARE(directory, QString::fromStdString(folder->path().string()));
    QCOMPARE(nameFilters, QStringList{"Arquivo texto (*.txt)"});

    whenShown<QFileDialog>([](QFileDialog&) {}, [](QFileDialog& d) { d.reject(); });
    QVERIFY(!chooser.chooseSaveFile(request).has_value());

    TempFolder::write(*folder / "old.txt", "x");
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenShown<QFileDialog>(
        [&](QFileDialog& d) {
            mode = d.fileMode();
            d.selectFile(QString::fromStdString((*folder / "old.txt").string()));
        },
        [](QFileDialog& d) { static_cast<QDialog&>(d).accept(); });
    QCOMPARE(chooser.chooseOpenFile(request), std::optional(*folder / "old.txt"));
    QCOMPARE(mode, QFileDialog::ExistingFile);
}

QLX700_GUI_TEST(ThermalWindowsViewTest)
#include "ThermalWindowsViewTest.moc"
