#include "GuiTestSupport.h"
#include "SimServer.h"
#include "app/FolderAppSettings.h"
#include "app/HostResolver.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "gui/app/FormAlterarRelogioView.h"
#include "gui/app/FormChangeIpView.h"
#include "gui/app/FormConectaComView.h"
#include "gui/app/FormEntraIPView.h"
#include "gui/app/FormNotificacaoView.h"
#include "gui/app/FormSenhaView.h"
#include "gui/app/FormTrocarSenhaView.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtUi.h"
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
    TFormSenha logic(1);
    FormSenhaView view(logic, nullptr);
    view.show();
    QCOMPARE(view.windowTitle(), QString("Password"));
    QCOMPARE(view.edSenha()->text(), QString("QWKZ"));
    view.edSenha()->clear();
    QTest::keyClicks(view.edSenha(), "abcd");
    QCOMPARE(logic.edSenha(), std::string("abcd"));
    QTest::mouseClick(child<QPushButton>(view, "bbOk"), Qt::LeftButton);
    QCOMPARE(view.result(), int(mrOk));
    QVERIFY(!view.isVisible());
}

void DialogViewsTest::passwordChangeShowsTheDeviceAndWritesTheNewOne()
{
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{.password = "QWKZ"}, {.serial = true});
    TEquipComm comm(pump);
    QVERIFY(comm.openSerial(sim->serialPath(), {9600, 0, 0}, true));
    TFormTrocarSenha logic(comm, 0, ui);
    FormTrocarSenhaView view(logic, nullptr);
    view.show();
    QCOMPARE(child<QLabel>(view, "pnSenhaAtual")->text(), QString("QWKZ"));
    auto* edit = child<QLineEdit>(view, "edSenhaNova");
    QTest::keyClicks(edit, "wxyzq");
    QCOMPARE(edit->text(), QString("WXYZ"));
    QTest::mouseClick(child<QPushButton>(view, "bbOk"), Qt::LeftButton);
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
    TFormConectaCom serial(false, 0, settings, kQLX700T, ports, ui);
    FormConectaComView serialView(serial, nullptr);
    serialView.show();
    QVERIFY(child<QLineEdit>(serialView, "edEnderecoModbus")->isVisible());
    QCOMPARE(child<QComboBox>(serialView, "cbBaudRate")->currentText(), QString("57600"));
    auto* port = child<QComboBox>(serialView, "cbPortaCom");
    QCOMPARE(port->currentText(), QString("QLX700-T demo (/tmp/qlx-demo-t)"));
    child<QComboBox>(serialView, "cbFormato")->setCurrentIndex(3);
    QCOMPARE(serial.formatoIndex(), 3);
    port->setEditText("/dev/ttyUSB3");
    QCOMPARE(serial.portPath(), std::string("/dev/ttyUSB3"));

    TFormConectaCom usb(true, 0, settings, kQLX700T, ports, ui);
    FormConectaComView usbView(usb, nullptr);
    usbView.show();
    for (const char* name : {"edEnderecoModbus", "cbBaudRate", "cbFormato"})
        QVERIFY2(!usbView.findChild<QWidget*>(name)->isVisible(), name);
    QVERIFY(child<QComboBox>(usbView, "cbPortaCom")->isVisible());
    QTest::mouseClick(child<QPushButton>(usbView, "bbOk"), Qt::LeftButton);
    QCOMPARE(usbView.result(), int(mrOk));
    QCOMPARE(usb.linkSettings().baudRate, 115200);
}

void DialogViewsTest::networkDialogMirrorsThePortFields()
{
    FixedResolver resolver;
    TFormEntraIP logic(0, {"10.0.0.5"}, resolver, ui);
    FormEntraIPView view(logic, nullptr);
    view.show();
    auto* porta = child<QLineEdit>(view, "edPorta");
    auto* dominioPorta = child<QLineEdit>(view, "edDominioPorta");
    porta->setFocus();
    QTest::keyClicks(porta, "502");
    QCOMPARE(dominioPorta->text(), QString("502"));
    QVERIFY(!child<QPushButton>(view, "bbOkUdp")->isVisible());
    ui.messages.clear();
    QTest::mouseClick(child<QPushButton>(view, "bbDominioPortaPadrao"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(view, "edEquipIP")->text(), QString("192.168.1.50"));
    QCOMPARE(porta->text(), QString("43101"));
    QCOMPARE(dominioPorta->text(), QString("43101"));
    QCOMPARE(ui.messages.size(), std::size_t(1));
    QTest::mouseClick(child<QPushButton>(view, "bbOkEndereco"), Qt::LeftButton);
    QCOMPARE(view.result(), int(mrYes));
    QCOMPARE(logic.resultAddress(), std::string("127.0.0.1"));
}

void DialogViewsTest::changeIpShowsTheWifiFieldsOnlyOnTheIrr()
{
    auto irr = qlxsim::SimServer::start(qlxsim::SimConfig{.model = "IRR"}, {.serial = true});
    TEquipComm comm(pump);
    comm.setDeviceType(kQLX700IRR);
    QVERIFY(comm.openSerial(irr->serialPath(), {9600, 0, 0}, true));
    irr->setReg(1780, static_cast<std::uint16_t>(-65));
    TFormChangeIp logic(comm, 0, ui);
    FormChangeIpView view(logic, nullptr);
    view.show();
    QCOMPARE(view.width(), TFormChangeIp::kWifiWidth);
    QVERIFY(child<QLineEdit>(view, "edSSID")->isVisible());
    QCOMPARE(child<QLabel>(view, "pnWifiSignal")->text(), QString("Sinal Médio"));
    QCOMPARE(child<QLineEdit>(view, "edIp")->text(), QString::fromStdString(logic.edIp()));
    auto* port = child<QLineEdit>(view, "edPort");
    port->clear();
    QTest::keyClicks(port, "70000");
    QCOMPARE(logic.edPort(), std::string("70000"));
    ui.messages.clear();
    QTest::mouseClick(child<QPushButton>(view, "bbOk"), Qt::LeftButton);
    QVERIFY(view.isVisible());
    QCOMPARE(ui.messageTexts(), std::vector<std::string>{"Porta inválida. Deve ser um inteiro entre 0 e 65535."});

    comm.close();
    comm.setDeviceType(kQLX700T);
    TFormChangeIp narrow(comm, 0, ui);
    FormChangeIpView narrowView(narrow, nullptr);
    narrowView.show();
    QCOMPARE(narrowView.width(), 172);
    QVERIFY(!child<QLineEdit>(narrowView, "edSSID")->isVisible());
}

void DialogViewsTest::clockPickersStopAt2099()
{
    TEquipComm comm(pump);
    TFormAlterarRelogio logic(comm, 1, ui, {2031, 7, 14, 9, 5, 30});
    FormAlterarRelogioView view(logic, nullptr);
    auto* date = child<QDateEdit>(view, "dtpData");
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
        QList<FormNotificacaoView*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* n = qobject_cast<FormNotificacaoView*>(w); n != nullptr && n->isVisible())
                shown << n;
        }
        return shown;
    };
    {
        TFormNotificacao notice(qtUi, "Conectando...", 500);
        QCOMPARE(notices().size(), 1);
        QCOMPARE(notices()[0]->message(), QString("Conectando..."));
        QCOMPARE(notices()[0]->width(), 500);
        notice.setMensagem("Conectando.....");
        QCOMPARE(notices()[0]->message(), QString("Conectando....."));
    }
    QCOMPARE(notices().size(), 0);
}

QTEST_MAIN(DialogViewsTest)
#include "DialogViewsTest.moc"
