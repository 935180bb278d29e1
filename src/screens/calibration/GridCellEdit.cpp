#include "screens/calibration/GridCellEdit.h"

#include "app/Ui.h"
#include "screens/calibration/CalibrationNumber.h"
#include "screens/calibration/CalibrationTexts.h"
#include "settings/DecimalParse.h"

GridCellEdit::GridCellEdit(int firstColumn, int lastColumn)
    : firstColumn_(firstColumn)
    , lastColumn_(lastColumn)
{
}

bool GridCellEdit::editable(int row, int column, std::size_t rows) const
{
    return row >= 1 && static_cast<std::size_t>(row) <= rows && column >= firstColumn_ && column <= lastColumn_;
}

void GridCellEdit::open(int row, int column, std::optional<double> value)
{
    editing_ = true;
    row_ = row;
    column_ = column;
    text_ = value ? calibrationNumber("%.4f", *value) : "0.0000";
}

std::optional<double> GridCellEdit::typedValue(Ui& ui, int language) const
{
    double value = 0;
    if (TryParseDouble(text_, value))
        return value;
    ui.showMessage(MessageKind::Error, calibration::InvalidNumber.in(language));
    return std::nullopt;
}
