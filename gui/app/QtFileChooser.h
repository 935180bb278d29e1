#pragma once

#include "screens/common/FileChooser.h"

#include <QPointer>
#include <QString>

class QWidget;

// "Description (*.ext)|*.ext" pairs as Qt name filters ("Description (*.ext)", joined
// by ";;"). A pattern list "*.a;*.b" becomes "(*.a *.b)".
QString qtFileFilter(const std::string& filter);

// The file dialogs as Qt's own dialogs, over the screen that opens them (the anchor).
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget* anchor = nullptr);

    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

    std::optional<std::filesystem::path> chooseSaveFile(const Request& request) override;
    std::optional<std::filesystem::path> chooseOpenFile(const Request& request) override;

private:
    std::optional<std::filesystem::path> choose(const Request& request, bool save);

    QPointer<QWidget> anchor_;
};
