#include "support/CtlRunner.h"

#include "CtlCommand.h"

#include <sstream>
#include <utility>

CtlRun ctl(std::vector<std::string> args)
{
    args.insert(args.begin(), "qlx700ctl");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCtl(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

CtlRun ctlWithPassword(std::vector<std::string> link, const std::vector<std::string>& command)
{
    link.insert(link.end(), {"--password", "QWKZ"});
    link.insert(link.end(), command.begin(), command.end());
    return ctl(std::move(link));
}
