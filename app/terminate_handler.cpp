// How the program ends on a failure nothing can recover from.
#include <cstdlib>

// The runtime's own handler prints the type of an uncaught exception, and to name it carries
// a whole C++ demangler (about 45 KB, a fifth of the executable). A window program has no
// console to print to, so it ends just the same without it.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx
