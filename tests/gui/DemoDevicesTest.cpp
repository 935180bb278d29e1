#include "GuiTestRegistry.h"
#include "NullConnectionSources.h"
#include "app/IpConnectDialog.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "gui/app/DemoDevices.h"
#include "gui/app/QtEventPump.h"
#include "unit/AppScriptedUi.h"

#include <QtTest>

// Demo mode: every model answers on its own pseudo-terminal and loopback TCP port,
// and the connection dialogs offer them.
class DemoDevicesTest : public QObject {
    Q_OBJECT

private slots:
    void everyModelAnswersWhereTheDialogsSay();
};

void DemoDevicesTest::everyModelAnswersWhereTheDialogsSay()
{
    NullConnectionSources none;
    ConnectionSources& sources = none.sources;
    DemoDevices demo;
    demo.describe(sources);

    const std::vector<SerialPortEntry> list = sources.serialPorts();
    QCOMPARE(list.size(), std::size_t(kDeviceTypeCount + 1));
    QVERIFY(list[3].name.rfind("QLX700-IRR demo (", 0) == 0);
    QVERIFY(list.back().name.rfind("QLX700-T membrane demo (", 0) == 0);
    QCOMPARE(sources.localAddresses(), std::vector<std::string>{"127.0.0.1"});

    const std::array<int, kDeviceTypeCount> signatures{kSignatureT, kSignatureP, kSignatureR, kSignatureIRR, kSignatureC};
    QtEventPump pump;
    ScriptedUi ui;
    for (int type = 0; type < kDeviceTypeCount; ++type) {
        DeviceLink comm(pump);
        comm.setDeviceType(type);
        QVERIFY(comm.openSerial(list[static_cast<std::size_t>(type)].path, {9600, 0, 0}, true));
        QVERIFY(comm.readRegisters(2002, 1));
        QCOMPARE(comm.registerValue(2002), signatures[static_cast<std::size_t>(type)]);

        // The network dialog, prefilled as a general page does, reaches the same model.
        IpConnectDialog dialog(0, sources.localAddresses(), sources.resolver(), ui);
        dialog.prefill(sources.networkDefaults(type, ConnectionSettings{}));
        QCOMPARE(dialog.computerIp(), std::string("127.0.0.1"));
        dialog.okClicked();
        QCOMPARE(dialog.modalResult(), int(mrOk));
        QVERIFY(
            comm.openTcp(dialog.resultAddress(), dialog.computerIp(), static_cast<std::uint16_t>(dialog.resultPort())));
        pump.runUntil([&] { return comm.connected(); }, deadlineAfter(Seconds(5)));
        QVERIFY(comm.connected());
        QVERIFY(comm.readRegisters(2002, 1));
        QCOMPARE(comm.registerValue(2002), signatures[static_cast<std::size_t>(type)]);
    }
    DeviceLink membrane(pump);
    QVERIFY(membrane.openSerial(list.back().path, {9600, 0, 0}, true));
    QVERIFY(membrane.readRegisters(2002, 1));
    QCOMPARE(membrane.registerValue(2002), kSignatureTMembrane);
}

QLX700_GUI_TEST(DemoDevicesTest)
#include "DemoDevicesTest.moc"
