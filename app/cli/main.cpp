#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("navora-cli: Navora ohne Fenster");
        return argc < 2 ? 1 : 0;
    }
    std::fprintf(stderr, "Unbekannter Befehl: %s\n", argv[1]);
    return 1;
}
