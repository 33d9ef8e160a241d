#include <cstdio>

int main()
{
    std::puts("TumboWuffin: the engine's frame loop is not built yet, so there is nothing to run.");
    return 0;
}
