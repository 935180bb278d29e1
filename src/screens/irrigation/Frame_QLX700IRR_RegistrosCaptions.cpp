#include "screens/irrigation/Frame_QLX700IRR_RegistrosCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kHeader[] = {{"Hora", "Hour", "Hora"},
                                {"Pluviômetro", "Pluviometer", "Pluviometro"},
                                {"Hidrômetro", "Hydrometer", "Hidrometro"},
                                {"Temperatura", "Temperature", "Temperatura"}};
constexpr LangText kApagar{"Apagar Registros", "Erase Records", "Borrar Registros"};
constexpr LangText kArquivo{"Salvar em Arquivo", "Save in File", "Guardar en Archivo"};
} // namespace

Frame_QLX700IRR_RegistrosCaptions frame_QLX700IRR_RegistrosCaptions(int language)
{
    Frame_QLX700IRR_RegistrosCaptions c;
    for (std::size_t i = 0; i < c.header.size(); ++i)
        c.header[i] = kHeader[i].in(language);
    c.bbApagarEventos = kApagar.in(language);
    c.bbArquivo = kArquivo.in(language);
    return c;
}
