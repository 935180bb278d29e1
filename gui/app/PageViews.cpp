#include "gui/app/PageViews.h"

#include "app/FormMainF.h"
#include "gui/app/FormMainView.h"
#include "gui/screens/thermal/FrameConfGeralView.h"
#include "screens/thermal/FrameConfGeralF.h"

void attachPageViews(TFormMain& logic, FormMainView& window)
{
    if (auto* frame = dynamic_cast<TFrameConfGeral*>(logic.frame(FrameId::ConfGeral)))
        window.setPageView(FrameId::ConfGeral, new FrameConfGeralView(*frame));
}
