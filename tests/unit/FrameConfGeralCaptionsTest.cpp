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
        const FrameConfGeralCaptions k = frameConfGeralCaptions(c.language, c.connected);
        EXPECT_EQ(k.bbConectar, c.conectar) << c.language;
        EXPECT_EQ(k.bbAjustarRelogioComputador, c.relogio);
        EXPECT_EQ(k.sgMedidasEnrolamentoHeader[3], c.pct);
        EXPECT_EQ(k.sgMedidasHeader[2], "Resist. (ohms)");
    }
}
