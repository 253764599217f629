/* A DLL with the format library's property export but no CreateObject. */
__declspec(dllexport) int GetHandlerProperty(void)
{
    return 0;
}
