#pragma once

#include "gui/app/PageView.h"

#include <functional>

class QPushButton;
class QTableWidget;
class IrrigationRecordsPage;

// The QLX700-IRR records page: the grid of up to 50 records and the save and erase
// buttons. The reading's progress shows in the busy notice.
class IrrigationRecordsPageView final : public PageView {
    Q_OBJECT
public:
    explicit IrrigationRecordsPageView(IrrigationRecordsPage& logic, QWidget* parent = nullptr);
    ~IrrigationRecordsPageView() override;

    void render() override;

private:
    QPushButton* button(const char* name, std::function<void()> click);

    IrrigationRecordsPage& logic_;
    QTableWidget* recordGrid_ = nullptr;
    QPushButton* saveToFileButton_ = nullptr;
    QPushButton* eraseRecordsButton_ = nullptr;
};
