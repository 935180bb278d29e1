#include "app/PortCheck.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/Ui.h"

namespace {
constexpr LangText kInvalidPort{"Porta inválida. Deve ser um inteiro entre 0 e 65535.",
                                "Invalid port. It must be an integer between 0 and 65535.",
                                "Puerta inválida. Deve ser un entero entre 0 y 65525."};
} // namespace

bool checkPort(const std::string& text, int& port, Ui& ui, int language)
{
    const std::optional<int> value = parseInteger(text);
    if (!value || *value < 0 || *value > 65535) {
        ui.showMessage(MessageKind::Error, kInvalidPort.in(language));
        return false;
    }
    port = *value;
    return true;
}
