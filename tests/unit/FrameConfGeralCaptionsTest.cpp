#include "screens/common/GeneralFrameCaptions.h"
#include "screens/thermal/FrameConfGeralCaptions.h"

#include <gtest/gtest.h>

TEST(FrameConfGeralCaptions, FollowLanguageAndLinkState)
{
    struct Case {
        int language;
        bool connected;
        const char* conectar;
        const char* relogio;
        const char* pct;
    };
    for (const Case& c : {Case{0, false, "Conectar Serial", "Ajustar com relógio do PC", "Corrente (%)"},
                          Case{1, true, "Disconnect", "Adjust with PC clock", "Current (%)"},
                          Case{2, true, "Desconectar", "Ajustar con el reloj del PC", "Corriente (%)"},
                          Case{7, false, "Conectar Serial", "Ajustar com relógio do PC", "Corrente (%)"}}) {
        const GeneralFrameCaptions g = generalFrameCaptions(c.language, c.connected, false);
        EXPECT_EQ(g.bbConectar, c.conectar) << c.language;
        EXPECT_EQ(g.bbAjustarRelogioComputador, c.relogio);
        const FrameConfGeralCaptions k = frameConfGeralCaptions(c.language);
        EXPECT_EQ(k.sgMedidasEnrolamentoHeader[3], c.pct);
        EXPECT_EQ(k.sgMedidasHeader[2], "Resist. (ohms)");
    }
}

// Without a serial button the USB button connects and disconnects.
TEST(FrameConfGeralCaptions, AToggledUsbButtonReadsDesconectarWhileConnected)
{
    EXPECT_EQ(generalFrameCaptions(0, true, true).bbConectarUsb, "Desconectar");
    EXPECT_EQ(generalFrameCaptions(1, false, true).bbConectarUsb, "Connect USB");
    EXPECT_EQ(generalFrameCaptions(0, true, false).bbConectarUsb, "Conectar USB");
}
