#include "AppScriptedUi.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/PtyPeer.h"
#include "support/RegisterPeer.h"

#include <gtest/gtest.h>

namespace {

// The dialogs against a scripted device on a real pseudo-terminal, so every
// request they send can be checked byte by byte.
class AppSmallDialogs : public ::testing::Test {
protected:
    AppSmallDialogs()
        : pty(device.handler())
        , comm(pump)
    {
    }
    void open(int type = kQLX700T)
    {
        comm.setDeviceType(type);
        ASSERT_TRUE(comm.openSerial(pty.path(), {9600, 0, 0}, true));
        pty.clearRequests();
    }
    std::vector<Bytes> requestsWithFunction(std::uint8_t function) const
    {
        std::vector<Bytes> found;
        for (const Bytes& r : pty.requests()) {
            if (r.size() > 1 && r[1] == function)
                found.push_back(r);
        }
        return found;
    }

    RegisterPeer device;
    PtyPeer pty;
    PollEventPump pump;
    DeviceLink comm;
    ScriptedUi ui;
};

const LocalDateTime kMorning{2031, 7, 14, 9, 5, 30};

} // namespace

TEST_F(AppSmallDialogs, PasswordEntryIsPresetAndCaptionedByLanguage)
{
    PasswordDialog pt(0);
    EXPECT_EQ(pt.password(), "QWKZ");
    EXPECT_EQ(pt.caption(), "Senha");
    EXPECT_EQ(pt.promptLabel(), "Entre com a senha:");
    EXPECT_EQ(pt.offset().x, 100);
    PasswordDialog es(2);
    EXPECT_EQ(es.caption(), "Clave");
    es.setPassword("abcd");
    es.okClicked();
    EXPECT_EQ(es.modalResult(), mrOk);
    EXPECT_EQ(es.password(), "abcd");
}

TEST_F(AppSmallDialogs, PasswordChangeShowsTheCurrentPasswordAndRefusesInvalidOnes)
{
    open();
    for (int i = 0; i < 4; ++i)
        device.set(static_cast<std::uint16_t>(1600 + i), static_cast<std::uint16_t>("QWKZ"[i]));
    ChangePasswordDialog f(comm, 0, ui);
    f.readDevice();
    EXPECT_EQ(f.currentPassword(), "QWKZ");
    pty.clearRequests();
    for (const char* typed : {"ABC", "AB1C", "", "AB C"}) {
        f.setNewPassword(typed);
        f.okClicked();
        EXPECT_FALSE(f.closed()) << typed;
    }
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>(4, "Senha inválida. Deve ter 4 caracteres apenas com letras."));
    EXPECT_TRUE(pty.requests().empty());
    // Letters are kept in capitals and cut at four.
    f.setNewPassword("wxyzq");
    EXPECT_EQ(f.newPassword(), "WXYZ");
}

TEST_F(AppSmallDialogs, AValidNewPasswordIsOneFunction16Write)
{
    open();
    ui.changePasswordDialog = [](ChangePasswordDialog& f) {
        f.setNewPassword("WXYZ");
        f.okClicked();
    };
    ChangePasswordDialog f(comm, 1, ui);
    ui.exec(f);
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_TRUE(ui.messages.empty());
    const std::vector<Bytes> writes = requestsWithFunction(16);
    ASSERT_EQ(writes.size(), 1u);
    const Bytes expected = withCrc({0x01, 0x10, 0x06, 0x40, 0x00, 0x04, 0x08, 0, 87, 0, 88, 0, 89, 0, 90});
    EXPECT_EQ(writes[0], expected);
    EXPECT_EQ(device.get(1603), 90);
}

TEST_F(AppSmallDialogs, AFailedPasswordWriteKeepsTheDialogOpen)
{
    open();
    device.refused.insert(1600);
    ChangePasswordDialog f(comm, 2, ui);
    f.setNewPassword("WXYZ");
    f.okClicked();
    EXPECT_FALSE(f.closed());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Error al enviar el comando."});
    f.cancelClicked();
    EXPECT_EQ(f.modalResult(), mrCancel);
}

TEST_F(AppSmallDialogs, TheClockGoesTo401OrTo601ByDeviceTypeAlwaysSent)
{
    struct Case {
        int type;
        std::uint8_t registerLow; // of 401 (0x0191) or 601 (0x0259)
        std::uint8_t registerHigh;
    };
    for (const Case& c : {Case{kQLX700T, 0x91, 0x01}, Case{kQLX700P, 0x91, 0x81}, Case{kQLX700R, 0x59, 0x02},
                          Case{kQLX700IRR, 0x59, 0x02}, Case{kQLX700C, 0x59, 0x02}}) {
        open(c.type);
        // The device already holds this time: the write is forced anyway.
        const std::uint16_t first = static_cast<std::uint16_t>((c.registerHigh << 8) | c.registerLow);
        const std::vector<std::uint16_t> values{9, 5, 30, 14, 7, 31};
        for (std::size_t i = 0; i < values.size(); ++i)
            device.set(static_cast<std::uint16_t>(first + i), values[i]);
        comm.readRegisters(c.registerLow + (c.registerHigh & 0x7F) * 256, 6);
        pty.clearRequests();

        ClockDialog f(comm, 0, ui, kMorning);
        f.okClicked();
        EXPECT_EQ(f.modalResult(), mrOk);
        const std::vector<Bytes> writes = requestsWithFunction(16);
        ASSERT_EQ(writes.size(), 1u) << c.type;
        EXPECT_EQ(writes[0], withCrc({0x01, 0x10, c.registerHigh, c.registerLow, 0x00, 0x06, 0x0C, 0, 9, 0, 5, 0, 30, 0,
                                      14, 0, 7, 0, 31}))
            << c.type;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AppSmallDialogs, AFailedClockWriteIsReportedAndTheDialogStillCloses)
{
    open();
    device.silent = true;
    ClockDialog f(comm, 1, ui, kMorning);
    f.okClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Error sending the command"});
    EXPECT_TRUE(f.closed());
}

TEST_F(AppSmallDialogs, TheClockPickersHoldTheYearsTheDeviceCanStore)
{
    open();
    ClockDialog f(comm, 0, ui, {2100, 1, 1, 0, 0, 0});
    EXPECT_EQ(f.value().year, 2099);
    f.setDate(1999, 12, 31);
    EXPECT_EQ(f.value().year, 2000);
    f.setDate(2031, 2, 3);
    f.setTime(4, 5, 6);
    EXPECT_EQ(f.value().year, 2031);
    EXPECT_EQ(f.value().second, 6);
    EXPECT_EQ(f.caption(), "Trocar Horário");
}

TEST_F(AppSmallDialogs, TheBusyNoticeLivesWithItsObject)
{
    {
        BusyNotice n(ui, "Conectando...", 500);
        EXPECT_EQ(n.width(), 500);
        n.setMessage("Conectando.....");
    }
    ui.showMessage(MessageKind::Error, "Senha incorreta");
    EXPECT_EQ(ui.log, (std::vector<std::string>{"notice open: Conectando...", "notice: Conectando.....",
                                                "notice closed", "message: Senha incorreta"}));
}
