#include "gui/app/MainProgram.h"

int main(int argc, char** argv)
{
    return runMainProgram(argc, argv);
}
