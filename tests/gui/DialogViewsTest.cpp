#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/HostResolver.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/BusyNoticeView.h"
#include "gui/app/ChangeIpDialogView.h"
#include "gui/app/ChangePasswordDialogView.h"
#include "gui/app/ClockDialogView.h"
#include "gui/app/IpConnectDialogView.h"
#include "gui/app/PasswordDialogView.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtUi.h"
#include "gui/app/SerialConnectDialogView.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

class FixedResolver final : public HostResolver {
public:
    HostResolution resolve(const std::string&, int) override
    {
        return {HostResolution::Status::Found, "127.0.0.1", 0};
    }
};

} // namespace

// Each dialog view against its logic (and a simulated device where it talks to one):
// edits and clicks reach the logic, its state reaches the widgets.
class DialogViewsTest : public QObject {
    Q_OBJECT

private slots:
    void passwordEntryForwardsTheTextAndCloses();
    void passwordChangeShowsTheDeviceAndWritesTheNewOne();
    void serialDialogHidesTheLinkControlsInUsbMode();
    void networkDialogMirrorsThePortFields();
    void changeIpShowsTheWifiFieldsOnlyOnTheIrr();
    void clockPickersStopAt2099();
    void busyNoticeShowsAndFollowsItsText();

private:
    QtEventPump pump;
    ScriptedUi ui;
};

void DialogViewsTest::passwordEntryForwardsTheTextAndCloses()
{
    PasswordDialog logic(1);
    PasswordDialogView view(logic, nullptr);
    view.show();
    QCOMPARE(view.windowTitle(), QString("Password"));
    QCOMPARE(view.passwordEdit()->text(), QString("QWKZ"));
    view.passwordEdit()->clear();
    QTest::keyClicks(view.passwordEdit(), "abcd");
    QCOMPARE(logic.password(), std::string("abcd"));
    QTest::mouseClick(child<QPushButton>(view, "okButton"), Qt::LeftButton);
    QCOMPARE(view.result(), int(mrOk));
    QVERIFY(!view.isVisible());
}

void DialogViewsTest::passwordChangeShowsTheDeviceAndWritesTheNewOne()
{
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{.password = "QWKZ"}, {.serial = true});
    DeviceLink comm(pump);
    QVERIFY(comm.openSerial(sim->serialPath(), {9600, 0, 0}, true));
    ChangePasswordDialog logic(comm, 0, ui);
    ChangePasswordDialogView view(logic, nullptr);
    view.show();
    QCOMPARE(child<QLabel>(view, "currentPasswordPanel")->text(), QString("QWKZ"));
    auto* edit = child<QLineEdit>(view, "newPasswordEdit");
    QTest::keyClicks(edit, "wxyzq");
    QCOMPARE(edit->text(), QString("WXYZ"));
    QTest::mouseClick(child<QPushButton>(view, "okButton"), Qt::LeftButton);
    QCOMPARE(view.result(), int(mrOk));
    QCOMPARE(sim->reg(1600), std::uint16_t('W'));
    QCOMPARE(sim->reg(1603), std::uint16_t('Z'));
    QVERIFY(ui.messages.empty());
}

void DialogViewsTest::serialDialogHidesTheLinkControlsInUsbMode()
{
    TempFolder folder;
    FolderAppSettings settings(folder.path());
    settings.record().connection(kQLX700T).LastSerialBaudRate = 57600;
    const std::vector<SerialPortEntry> ports{{"/tmp/qlx-demo-t", "QLX700-T demo (/tmp/qlx-demo-t)"}};
    SerialConnectDialog serial(false, 0, settings, kQLX700T, ports, ui);
    SerialConnectDialogView serialView(serial, nullptr);
    serialView.show();
    QVERIFY(child<QLineEdit>(serialView, "modbusAddressEdit")->isVisible());
    QCOMPARE(child<QComboBox>(serialView, "baudRateCombo")->currentText(), QString("57600"));
    auto* port = child<QComboBox>(serialView, "portCombo");
    QCOMPARE(port->currentText(), QString("QLX700-T demo (/tmp/qlx-demo-t)"));
    child<QComboBox>(serialView, "formatCombo")->setCurrentIndex(3);
    QCOMPARE(serial.formatIndex(), 3);
    port->setEditText("/dev/ttyUSB3");
    QCOMPARE(serial.portPath(), std::string("/dev/ttyUSB3"));

    SerialConnectDialog usb(true, 0, settings, kQLX700T, ports, ui);
    SerialConnectDialogView usbView(usb, nullptr);
    usbView.show();
    for (const char* name : {"modbusAddressEdit", "baudRateCombo", "formatCombo"})
        QVERIFY2(!usbView.findChild<QWidget*>(name)->isVisible(), name);
    QVERIFY(child<QComboBox>(usbView, "portCombo")->isVisible());
    QTest::mouseClick(child<QPushButton>(usbView, "okButton"), Qt::LeftButton);
    QCOMPARE(usbView.result(), int(mrOk));
    QCOMPARE(usb.linkSettings().baudRate, 115200);
}

void DialogViewsTest::networkDialogMirrorsThePortFields()
{
    FixedResolver resolver;
    IpConnectDialog logic(0, {"10.0.0.5"}, resolver, ui);
    IpConnectDialogView view(logic, nullptr);
    view.show();
    auto* portEdit = child<QLineEdit>(view, "portEdit");
    auto* domainPortEdit = child<QLineEdit>(view, "hostPortEdit");
    portEdit->setFocus();
    QTest::keyClicks(portEdit, "502");
    QCOMPARE(domainPortEdit->text(), QString("502"));
    QVERIFY(!child<QPushButton>(view, "udpButton")->isVisible());
    ui.messages.clear();
    QTest::mouseClick(child<QPushButton>(view, "hostDefaultPortButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(view, "deviceIpEdit")->text(), QString("192.168.1.50"));
    QCOMPARE(portEdit->text(), QString("43101"));
    QCOMPARE(domainPortEdit->text(), QString("43101"));
    QCOMPARE(ui.messages.size(), std::size_t(1));
    QTest::mouseClick(child<QPushButton>(view, "hostOkButton"), Qt::LeftButton);
    QCOMPARE(view.result(), int(mrYes));
    QCOMPARE(logic.resultAddress(), std::string("127.0.0.1"));
}

void DialogViewsTest::changeIpShowsTheWifiFieldsOnlyOnTheIrr()
{
    auto irr = qlxsim::SimServer::start(qlxsim::SimConfig{.model = "IRR"}, {.serial = true});
    DeviceLink comm(pump);
    comm.setDeviceType(kQLX700IRR);
    QVERIFY(comm.openSerial(irr->serialPath(), {9600, 0, 0}, true));
    irr->setReg(1780, static_cast<std::uint16_t>(-65));
    ChangeIpDialog logic(comm, 0, ui);
    ChangeIpDialogView view(logic, nullptr);
    view.show();
    QCOMPARE(view.width(), ChangeIpDialog::kWifiWidth);
    QVERIFY(child<QLineEdit>(view, "ssidEdit")->isVisible());
    QCOMPARE(child<QLabel>(view, "wifiSignalPanel")->text(), QString("Sinal Médio"));
    QCOMPARE(child<QLineEdit>(view, "ipEdit")->text(), QString::fromStdString(logic.ipText()));
    auto* port = child<QLineEdit>(view, "portEdit");
    port->clear();
    QTest::keyClicks(port, "70000");
    QCOMPARE(logic.portText(), std::string("70000"));
    ui.messages.clear();
    QTest::mouseClick(child<QPushButton>(view, "okButton"), Qt::LeftButton);
    QVERIFY(view.isVisible());
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Porta inválida. Deve ser um inteiro entre 0 e 65535."});

    comm.close();
    comm.setDeviceType(kQLX700T);
    ChangeIpDialog narrow(comm, 0, ui);
    ChangeIpDialogView narrowView(narrow, nullptr);
    narrowView.show();
    QCOMPARE(narrowView.width(), 172);
    QVERIFY(!child<QLineEdit>(narrowView, "ssidEdit")->isVisible());
}

void DialogViewsTest::clockPickersStopAt2099()
{
    DeviceLink comm(pump);
    ClockDialog logic(comm, 1, ui, {2031, 7, 14, 9, 5, 30});
    ClockDialogView view(logic, nullptr);
    auto* date = child<QDateEdit>(view, "dateEdit");
    QCOMPARE(date->date(), QDate(2031, 7, 14));
    date->setDate(QDate(2150, 1, 1));
    QCOMPARE(date->date(), QDate(2099, 12, 31));
    QCOMPARE(logic.value().year, 2099);
    QCOMPARE(view.windowTitle(), QString("Change Time"));
}

void DialogViewsTest::busyNoticeShowsAndFollowsItsText()
{
    QWidget anchor;
    anchor.show();
    QtUi qtUi(&anchor);
    auto notices = [] {
        QList<BusyNoticeView*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* n = qobject_cast<BusyNoticeView*>(w); n != nullptr && n->isVisible())
                shown << n;
        }
        return shown;
    };
    {
        BusyNotice notice(qtUi, "Conectando...", 500);
        QCOMPARE(notices().size(), 1);
        QCOMPARE(notices()[0]->message(), QString("Conectando..."));
        QCOMPARE(notices()[0]->width(), 500);
        notice.setMessage("Conectando.....");
        QCOMPARE(notices()[0]->message(), QString("Conectando....."));
    }
    QCOMPARE(notices().size(), 0);
    // A line wider than the notice widens it instead of breaking before its "%".
    {
        BusyNotice notice(qtUi, "Lendo registros... 100.0 %", 300);
        auto* panel = child<QLabel>(*notices().at(0), "messagePanel");
        QVERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
        QVERIFY(notices()[0]->width() >= 300);
    }
}

QLX700_GUI_TEST(DialogViewsTest)
#include "DialogViewsTest.moc"
