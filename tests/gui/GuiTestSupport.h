#pragma once

#include "screens/common/FileChooser.h"

#include <QWidget>

// The named child of a view; a missing one ends the test run, since every later
// check would only repeat that.
template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* w = parent.findChild<T*>(name);
    if (w == nullptr)
        qFatal("no child %s", name);
    return w;
}

// File dialogs that are always cancelled.
class NoFiles final : public FileChooser {
public:
    std::optional<std::filesystem::path> chooseSaveFile(const Request&) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseOpenFile(const Request&) override { return std::nullopt; }
};
