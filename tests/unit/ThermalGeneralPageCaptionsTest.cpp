#include "screens/common/GeneralPageCaptions.h"
#include "screens/thermal/ThermalGeneralPageCaptions.h"

#include <gtest/gtest.h>

TEST(ThermalGeneralPageCaptions, FollowLanguageAndLinkState)
{
    struct Case {
        int language;
        bool connected;
        const char* connectButton;
        const char* pcClockButton;
        const char* pct;
    };
    for (const Case& c : {Case{0, false, "Conectar Serial", "Ajustar com relógio do PC", "Corrente (%)"},
                          Case{1, true, "Disconnect", "Adjust with PC clock", "Current (%)"},
                          Case{2, true, "Desconectar", "Ajustar con el reloj del PC", "Corriente (%)"},
                          Case{7, false, "Conectar Serial", "Ajustar com relógio do PC", "Corrente (%)"}}) {
        const GeneralPageCaptions g = generalPageCaptions(c.language, c.connected, false);
        EXPECT_EQ(g.connectSerialButton, c.connectButton) << c.language;
        EXPECT_EQ(g.adjustClockFromPcButton, c.pcClockButton);
        const ThermalGeneralPageCaptions k = thermalGeneralPageCaptions(c.language);
        EXPECT_EQ(k.windingMeasurementHeader[3], c.pct);
        EXPECT_EQ(k.measurementHeader[2], "Resist. (ohms)");
    }
}

// Without a serial button the USB button connects and disconnects.
TEST(ThermalGeneralPageCaptions, AToggledUsbButtonReadsDisconnectWhileConnected)
{
    EXPECT_EQ(generalPageCaptions(0, true, true).connectUsbButton, "Desconectar");
    EXPECT_EQ(generalPageCaptions(1, false, true).connectUsbButton, "Connect USB");
    EXPECT_EQ(generalPageCaptions(0, true, false).connectUsbButton, "Conectar USB");
}
