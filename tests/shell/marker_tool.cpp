// A tiny outside program for the packaged-build test: it writes the file
// named by QUORVIL_TEST_MARKER (if set) and ends.
#include <cstdio>
#include <cstdlib>

int main() {
    const char* path = std::getenv("QUORVIL_TEST_MARKER");
    if (!path) return 1;
    std::FILE* f = std::fopen(path, "w");
    if (!f) return 1;
    std::fputs("started\n", f);
    return std::fclose(f) == 0 ? 0 : 1;
}
