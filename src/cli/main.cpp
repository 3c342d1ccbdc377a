#include <cstdio>

int main() {
    std::puts("kragmoor-sim: not yet built");
    return 0;
}
