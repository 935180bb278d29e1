#include "CtlCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runCtl(argc, argv, std::cout, std::cerr);
}
