// After the start-up restriction, a DLL that lies only beside the program is never loaded by its bare name.
// Last in its suite: the restriction holds for the rest of the process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/dll_search.h"
#include "shell_test_support.h"

namespace {

TEST(DllSearch, ADllBesideTheProgramIsNotLoadedByItsBareName)
{
    const std::string planted = TestExecutableFolder() + "\\planted_beside.dll";
    ASSERT_TRUE(CopyFileA((TestExecutableFolder() + "\\ShellExt.dll").c_str(), planted.c_str(), FALSE));
    HMODULE found = LoadLibraryW(L"planted_beside.dll");
    ASSERT_NE(found, nullptr) << "without the restriction the search takes the program's folder";
    FreeLibrary(found);

    LoadLibrariesOnlyFromSystemFolder();
    found = LoadLibraryW(L"planted_beside.dll");
    EXPECT_EQ(found, nullptr);
    if (found) FreeLibrary(found);
    HMODULE system = LoadLibraryW(L"version.dll");
    EXPECT_NE(system, nullptr) << "the system folder still serves";
    if (system) FreeLibrary(system);
    EXPECT_TRUE(DeleteFileA(planted.c_str()));
}

}  // namespace
