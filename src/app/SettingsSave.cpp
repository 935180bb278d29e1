#include "app/SettingsSave.h"

#include "app/AppSettings.h"
#include "app/LanguageText.h"
#include "app/Ui.h"

namespace {
constexpr LangText kSaveFailed{"Não foi possível gravar as configurações: ", "Could not write the settings: ",
                               "No fue posible guardar la configuración: "};
} // namespace

bool saveSettings(AppSettings& settings, Ui& ui, int language)
{
    std::string error;
    if (settings.save(error))
        return true;
    ui.showMessage(MessageKind::Error, kSaveFailed.in(language) + error);
    return false;
}
