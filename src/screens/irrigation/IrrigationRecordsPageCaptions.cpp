#include "screens/irrigation/IrrigationRecordsPageCaptions.h"

#include "app/LanguageText.h"

namespace {
constexpr LangText kRecordColumns[] = {{"Hora", "Hour", "Hora"},
                                       {"Pluviômetro", "Pluviometer", "Pluviometro"},
                                       {"Hidrômetro", "Hydrometer", "Hidrometro"},
                                       {"Temperatura", "Temperature", "Temperatura"}};
constexpr LangText kEraseRecords{"Apagar Registros", "Erase Records", "Borrar Registros"};
constexpr LangText kSaveToFile{"Salvar em Arquivo", "Save in File", "Guardar en Archivo"};
} // namespace

IrrigationRecordsPageCaptions irrigationRecordsPageCaptions(int language)
{
    IrrigationRecordsPageCaptions c;
    for (std::size_t i = 0; i < c.header.size(); ++i)
        c.header[i] = kRecordColumns[i].in(language);
    c.eraseRecordsButton = kEraseRecords.in(language);
    c.saveToFileButton = kSaveToFile.in(language);
    return c;
}
