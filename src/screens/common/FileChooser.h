#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The file dialogs of the configuration file buttons. The view implements them with
// the system's dialogs; the tests answer from a script. Empty when the user cancels.
class FileChooser {
public:
    struct Request {
        std::string title;
        std::string filter; // "Description (*.ext)|*.ext"
        std::string defaultExtension;
        std::filesystem::path initialFolder; // empty: the dialog's own choice
    };
    virtual ~FileChooser() = default;
    // Asks before overwriting an existing file.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const Request& request) = 0;
    // Only an existing file can be chosen.
    virtual std::optional<std::filesystem::path> chooseOpenFile(const Request& request) = 0;
};
