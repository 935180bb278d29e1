#include "support/CtlRunner.h"

#include "CtlCommand.h"

#include <sstream>

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
