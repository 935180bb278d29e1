#pragma once

#include "screens/common/FileChooser.h"

#include <filesystem>
#include <optional>
#include <vector>

// The file dialogs of the headless tests: every request is kept, and the answer is
// the path the test set (none: the user cancelled).
struct ScriptedFiles final : FileChooser {
    std::optional<std::filesystem::path> chooseSaveFile(const Request& r) override
    {
        requests.push_back(r);
        return answer;
    }
    std::optional<std::filesystem::path> chooseOpenFile(const Request& r) override
    {
        requests.push_back(r);
        return answer;
    }
    std::optional<std::filesystem::path> answer;
    std::vector<Request> requests;
};
