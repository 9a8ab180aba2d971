#include "Program.h"

int main(int argc, char* argv[])
{
    return runCorvalen(argc, argv);
}
