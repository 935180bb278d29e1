#include "GuiTestRegistry.h"
#include "app/MainWindow.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/AppAssembly.h"
#include "gui/app/IpConnectDialogView.h"
#include "gui/app/PasswordDialogView.h"
#include "gui/app/SerialConnectDialogView.h"
#include "gui/screens/thermal/FaultDetectionWindowView.h"
#include "settings/CalibrationStore.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

// The whole program in demo mode, as a user meets it: the connection and password
// dialogs are answered through their widgets while the connect click runs.
// QLX700_SCREENSHOT=FILE keeps a picture of the connected window.
class DemoConnectTest : public QObject {
    Q_OBJECT
public:
    DemoConnectTest() { connect(&answering, &QTimer::timeout, this, [this] { answerDialogs(); }); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectsToTheDemoThermalDeviceOverSerialAndTcp();
    void theDemoParallelismDeviceSwitchesTheModel();
    void theDemoMembraneDeviceOpensItsFaultTest();
    void aDemoLeavesTheUsersSettingsAlone();

private:
    // Answers whichever dialog is open; a message box is recorded and closed.
    void answerDialogs();
    QPushButton* pageButton(const char* name) const
    {
        return program->window().pageHost(PageId::ThermalGeneral)->findChild<QPushButton*>(name);
    }
    QString cell(int row, int column) const
    {
        return program->window()
            .pageHost(PageId::ThermalGeneral)
            ->findChild<QTableWidget*>("windingMeasurementGrid")
            ->item(row, column)
            ->text();
    }

    // Used when the run names no data folder of its own.
    std::unique_ptr<TempFolder> data;
    std::filesystem::path dataFolder;
    std::unique_ptr<AppAssembly> program;
    QTimer answering;
    QStringList messages;
    // The entry of the serial list to choose; the demo lists its devices by model,
    // then the membrane variant.
    int port = 0;
    // The fault detection window's state panel once its timer had filled it.
    QString membraneState;
};

void DemoConnectTest::answerDialogs()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click() : box->reject();
    } else if (qobject_cast<SerialConnectDialogView*>(modal) != nullptr) {
        modal->findChild<QComboBox*>("portCombo")->setCurrentIndex(port);
        modal->findChild<QPushButton*>("okButton")->click();
    } else if (auto* passwordDialog = qobject_cast<PasswordDialogView*>(modal)) {
        QTest::keyClicks(passwordDialog->passwordEdit(), "qwkz");
        modal->findChild<QPushButton*>("okButton")->click();
    } else if (auto* membrane = qobject_cast<FaultDetectionWindowView*>(modal)) {
        const QString state = membrane->findChild<QLabel*>("statePanel")->text();
        if (!state.isEmpty()) {
            membraneState = state;
            QTest::keyClick(membrane, Qt::Key_Escape);
        }
    } else if (qobject_cast<IpConnectDialogView*>(modal) != nullptr) {
        // Prefilled with the demo's address and port.
        modal->findChild<QPushButton*>("okButton")->click();
    }
}

// A user's settings and calibration record as a real session left them, and a file
// of an earlier demo; written before any demo starts in this process.
const std::string kUserSettings = "[GeneralSection]\r\nLastLanguage=2\r\nLastDevice=0\r\nLastAddress=/dev/ttyUSB0\r\n"
                                  "LastSerialBaudRate=19200\r\nLastModBusAddr=7\r\nLastDeviceIP=192.168.10.40\r\n"
                                  "LastIPPort=43101\r\n[Relays]\r\nName1=Disparo\r\n";
const std::string kUserCalibration = "[Calib]\r\nSerialNumber=4242\r\n";

void DemoConnectTest::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("QLX700_DATA_DIR")) {
        data = std::make_unique<TempFolder>();
        qputenv("QLX700_DATA_DIR", QByteArray::fromStdString(data->path().string()));
    }
    dataFolder = qEnvironmentVariable("QLX700_DATA_DIR").toStdString();
    std::filesystem::create_directories(dataFolder / "demo");
    TempFolder::write(dataFolder / "conf.ini", kUserSettings);
    TempFolder::write(dataFolder / "calib4242.ini", kUserCalibration);
    TempFolder::write(dataFolder / "demo" / "conf.ini", "[GeneralSection]\r\nLastLanguage=1\r\n");
}

void DemoConnectTest::init()
{
    messages.clear();
    membraneState.clear();
    port = 0;
    // Answering from the start: a message at start-up must not hang the run.
    answering.start(20);
    program = std::make_unique<AppAssembly>(true);
    // The program keeps its settings for the whole process: undo the last test's model.
    program->logic().selectDeviceType(0);
    program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->window()));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
}

void DemoConnectTest::cleanup()
{
    answering.stop();
    program.reset();
}

void DemoConnectTest::connectsToTheDemoThermalDeviceOverSerialAndTcp()
{
    for (const char* connectButton : {"connectSerialButton", "connectIpButton"}) {
        QTest::mouseClick(pageButton(connectButton), Qt::LeftButton);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
        QVERIFY(program->logic().comm().connected());
        QCOMPARE(pageButton("connectSerialButton")->text(), QString("Desconectar"));
        // The page's timer keeps the measurements live.
        QTRY_VERIFY(!cell(0, 1).isEmpty());
        QTRY_VERIFY(
            !program->window().pageHost(PageId::ThermalGeneral)->findChild<QLabel*>("clockPanel")->text().isEmpty());
        const QString first =
            program->window().pageHost(PageId::ThermalGeneral)->findChild<QLabel*>("clockPanel")->text();
        QTRY_VERIFY_WITH_TIMEOUT(
            program->window().pageHost(PageId::ThermalGeneral)->findChild<QLabel*>("clockPanel")->text() != first,
            5000);

        if (const char* file = std::getenv("QLX700_SCREENSHOT");
            file != nullptr && connectButton == std::string("connectSerialButton"))
            QVERIFY(program->window().grab().save(file, "PNG"));
        QTest::mouseClick(pageButton("connectSerialButton"), Qt::LeftButton);
        QVERIFY(!program->logic().comm().connected());
    }
}

void DemoConnectTest::theDemoParallelismDeviceSwitchesTheModel()
{
    port = 1;

    QTest::mouseClick(pageButton("connectSerialButton"), Qt::LeftButton);
    QCOMPARE(messages, QStringList{"Assinatura do equipamento é do QLX700P. O seletor no topo da janela será trocado "
                                   "para QLX700P."});
    QVERIFY(!program->logic().comm().connected());
    QCOMPARE(program->logic().deviceTypeIndex(), 1);
    QVERIFY(program->window().deviceTypeButton(1)->isChecked());
}

void DemoConnectTest::theDemoMembraneDeviceOpensItsFaultTest()
{
    port = kDeviceTypeCount;
    QVERIFY(!pageButton("membraneTestButton")->isVisible());
    QTest::mouseClick(pageButton("connectSerialButton"), Qt::LeftButton);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
    QVERIFY(pageButton("membraneTestButton")->isVisible());
    QCOMPARE(pageButton("membraneTestButton")->text(), QString("Teste Falha Membrana"));
    // Returns once the fault detection window, its timer having ticked, is closed.
    QTest::mouseClick(pageButton("membraneTestButton"), Qt::LeftButton);
    QVERIFY(membraneState.startsWith("Estado:  "));
    QVERIFY(program->logic().comm().connected());
}

void DemoConnectTest::aDemoLeavesTheUsersSettingsAlone()
{
    // The earlier demo's English did not carry over: the demo starts from the defaults.
    QCOMPARE(pageButton("connectSerialButton")->text(), QString("Conectar Serial"));
    for (const char* connectButton : {"connectSerialButton", "connectIpButton"}) {
        QTest::mouseClick(pageButton(connectButton), Qt::LeftButton);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
        QVERIFY(program->logic().comm().connected());
        QTest::mouseClick(pageButton("connectSerialButton"), Qt::LeftButton);
    }
    program->logic().languageChosen(1);
    QVERIFY(SaveCalibration(4242));
    program.reset();

    QCOMPARE(TempFolder::read(dataFolder / "conf.ini"), kUserSettings);
    QCOMPARE(TempFolder::read(dataFolder / "calib4242.ini"), kUserCalibration);
    const std::string demoSettings = TempFolder::read(dataFolder / "demo" / "conf.ini");
    QVERIFY2(demoSettings.find("LastDeviceIP=127.0.0.1") != std::string::npos, demoSettings.c_str());
    QVERIFY2(demoSettings.find("LastLanguage=1") != std::string::npos, demoSettings.c_str());
    QVERIFY(std::filesystem::exists(dataFolder / "demo" / "calib4242.ini"));
}

QLX700_GUI_TEST(DemoConnectTest)
#include "DemoConnectTest.moc"
