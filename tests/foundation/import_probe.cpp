// A program with a static import of version.dll, which is not a KnownDLL:
// the import check must reject it.
#include <windows.h>

int main(int argc, char **argv)
{
    DWORD handle = 0;
    return argc > 1 ? static_cast<int>(GetFileVersionInfoSizeA(argv[1], &handle)) : 0;
}
