// Program entry: hands over to the start-up sequence.
#include "main/programm.h"

int main(int argc, char** argv)
{
    return ProgramMain(argc, argv);
}
