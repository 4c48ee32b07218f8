// One rule for code-page bytes and UTF-16: a path gives the same fault either way when each of its characters
// is one UTF-16 unit, and a new name the rule lets through never leaves its folder.
#include <cstdint>
#include <string>
#include <vector>

#include "names/core/name_rule.h"
#include "text/dbcs_text.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = SplitInput(data, size, 2);
    const std::vector<char> path = ExactCopy(parts[0]);
    std::vector<wchar_t> wide;
    for (const char* p = path.data(); *p != '\0'; p += CharLengthAt(p)) {
        // A double-byte character is one unit of its own, never one of the list.
        wide.push_back(CharLengthAt(p) == 2 ? L'\u6f22' : static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    }
    wide.push_back(L'\0');
    Require(FindPathFault(path.data()) == FindPathFault(wide.data()));
    Require(FindNameFault(path.data()) == FindNameFault(wide.data()));

    const std::vector<char> newName = ExactCopy(parts[1]);
    if (IsSafeNewFileName(path.data(), newName.data())) {
        Require(FindNameFault(newName.data()) == NameFault::kNone && FindNotInNames(newName.data()) == nullptr);
    }

    std::vector<wchar_t> plain(wide.size(), L'\0');
    if (PlainPathForm(wide.data(), plain.data(), plain.size())) {
        Require(std::wstring(plain.data()).size() < plain.size());
    }
    return 0;
}
