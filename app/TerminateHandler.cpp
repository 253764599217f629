// std::terminate ends the wizard through abort(), without a report: that is
// what libstdc++'s default handler does too for a program without a console,
// but the default one first prints the demangled type of the exception to
// stderr and so carries the library's whole C++ demangler (about 45 KB).
// Defined here, it keeps the library's handler, and the demangler, out of the
// executable.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
