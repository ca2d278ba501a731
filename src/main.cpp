#include "app/Startup.h"

int main(int argc, char* argv[])
{
    tibbly::Startup startup(argc, argv);
    if (!startup.start())
        return 0;
    return startup.run();
}
