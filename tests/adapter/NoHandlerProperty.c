/* A DLL with CreateObject but without the format library's property export. */
__declspec(dllexport) int CreateObject(void)
{
    return 0;
}
