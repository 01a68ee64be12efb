#include <cstdio>

// The windows of the editor are not built yet; the program says so and ends.
int main()
{
    std::puts("TQ-62 DSP Processor Editor V1.0: the editor windows are not available in this build yet.");
    return 0;
}
