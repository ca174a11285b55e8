// Started by the process-start test: writes its arguments, one a line, to StartProbe.txt in the
// folder it was started in.

#include <cstdio>

int main(int argc, char** argv)
{
    FILE* file = std::fopen("StartProbe.txt", "wb");
    if (!file) return 1;
    for (int i = 1; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
    std::fclose(file);
    return 0;
}
