#include "app/PortPermission.h"

#include "app/LanguageText.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>

namespace {

constexpr LangText kNoPermission{"Sem permissão para abrir ", "No permission to open ", "Sin permiso para abrir "};
constexpr LangText kJoinGroup{". Entre no grupo ", ". Join the group ", ". Entre en el grupo "};
constexpr LangText kThenLogin{" (sudo usermod -aG GROUP $USER) e inicie uma nova sessão.",
                              " (sudo usermod -aG GROUP $USER) and log in again.",
                              " (sudo usermod -aG GROUP $USER) e inicie una nueva sesión."};

std::string groupOf(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (const group* g = getgrgid(st.st_gid))
            return g->gr_name;
    }
    return "dialout";
}

} // namespace

std::string portPermissionText(const std::string& path, int openError, int language)
{
    if (openError != EACCES && openError != EPERM)
        return {};
    const std::string group = groupOf(path);
    std::string hint = kThenLogin.in(language);
    hint.replace(hint.find("GROUP"), 5, group);
    return kNoPermission.in(language) + path + kJoinGroup.in(language) + group + hint;
}
