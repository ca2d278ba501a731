#include "app/Startup.h"

int main(int argc, char* argv[])
{
    tibbly::Startup startup(argc, argv);
    startup.start();
    return startup.run();
}
