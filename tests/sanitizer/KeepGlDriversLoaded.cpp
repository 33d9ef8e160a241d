// The leak check runs at exit, after SDL has unloaded the GL vendor library (GLX's
// or EGL's) and its driver; it then cannot name the library behind their
// allocations and the suppressions for system libraries miss them. Pinning them
// keeps them named.
#include <dlfcn.h>

#include <initializer_list>

namespace
{
const bool pinned = []
{
    for (const char* library : {"libGLX_mesa.so.0", "libEGL_mesa.so.0",
                                 "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
        dlopen(library, RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    return true;
}();
} // namespace
