// The executable's load configuration: Windows 10 1607 and later load the program's own imports from the system
// folder only (its dependent-load flags), before any code of the program runs. GNU ld has no switch for it: it
// takes the table the linker finds under this name.
#include <windows.h>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace {

constexpr IMAGE_LOAD_CONFIG_DIRECTORY LoadConfiguration()
{
    IMAGE_LOAD_CONFIG_DIRECTORY configuration = {};
    configuration.Size = sizeof configuration;
    // DependentLoadFlags; this toolchain's headers still call the field Reserved1.
    configuration.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return configuration;
}

}  // namespace

extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = LoadConfiguration();
