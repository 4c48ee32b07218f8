#include "shellext/tag_menu.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cwchar>
#include <new>

#include "names/core/name_rule.h"
#include "shellext/module.h"
#include "text/text_buffer.h"

namespace {

// The texts are UTF-16, so that they read the same whatever the code page of the process that loaded the
// extension (Explorer's is the system's, which need not be Shift-JIS).
const wchar_t kMenuText[] = L"タグの追加(&T)";
const wchar_t kHelpText[] = L"選択したファイルとフォルダを Tagrin で開きます";
const wchar_t kVerb[] = L"tagrin.addtag";
const wchar_t kProgramName[] = L"Tagrin.exe";

// Paths are handled in UTF-16: the ANSI forms convert names through the code page's best fit (é as e,
// ¥ as '\'), and the program would be handed other files than the ones selected.
using WidePath = wchar_t[kTextBufferSize];

// The full path of Tagrin.exe in the folder this extension was loaded from.
bool GetProgramPath(wchar_t* buffer, DWORD size)
{
    DWORD length = GetModuleFileNameW(g_module, buffer, size);
    if (length == 0 || length >= size) return false;
    if (!PathRemoveFileSpecW(buffer)) return false;
    return PathAppendW(buffer, kProgramName) != FALSE;
}

// Copies a text into the caller's buffer (nameSize characters), as UTF-16 or, for a caller that asks for ANSI,
// in the caller's own code page, the one it reads the text in.
HRESULT CopyCommandText(const wchar_t* text, bool wide, CHAR* name, UINT nameSize)
{
    if (name == nullptr || nameSize == 0) return E_INVALIDARG;
    if (wide) {
        wchar_t* target = reinterpret_cast<wchar_t*>(name);
        target[0] = L'\0';
        if (std::wcslen(text) >= nameSize) return E_INVALIDARG;
        std::wmemcpy(target, text, std::wcslen(text) + 1);
        return S_OK;
    }
    if (WideCharToMultiByte(CP_ACP, 0, text, -1, name, static_cast<int>(nameSize), nullptr, nullptr) == 0) {
        name[0] = '\0';
        return E_INVALIDARG;
    }
    return S_OK;
}

bool IsOurVerb(const CMINVOKECOMMANDINFO* invocation)
{
    if (HIWORD(reinterpret_cast<UINT_PTR>(invocation->lpVerb)) == 0) {
        return LOWORD(reinterpret_cast<UINT_PTR>(invocation->lpVerb)) == 0;
    }
    char verb[sizeof kVerb / sizeof kVerb[0]] = {};  // ASCII: one byte a character in every code page
    return SUCCEEDED(CopyCommandText(kVerb, false, verb, sizeof verb)) && lstrcmpiA(invocation->lpVerb, verb) == 0;
}

}  // namespace

TagMenu::TagMenu() : references_(1), commandLine_(nullptr)
{
    LockModule();
}

TagMenu::~TagMenu()
{
    delete commandLine_;
    UnlockModule();
}

STDMETHODIMP TagMenu::QueryInterface(REFIID interfaceId, void** object)
{
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IShellExtInit)) {
        *object = static_cast<IShellExtInit*>(this);
    } else if (IsEqualIID(interfaceId, IID_IContextMenu)) {
        *object = static_cast<IContextMenu*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TagMenu::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) TagMenu::Release()
{
    LONG remaining = InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

// Reads the selected paths out of the CF_HDROP data at once: the data object need not outlive this call.
STDMETHODIMP TagMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* selection, HKEY)
{
    delete commandLine_;
    commandLine_ = nullptr;
    if (selection == nullptr) return E_INVALIDARG;

    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(selection->GetData(&format, &medium))) return E_INVALIDARG;
    if (medium.tymed != TYMED_HGLOBAL || medium.hGlobal == nullptr) {
        ReleaseStgMedium(&medium);
        return E_INVALIDARG;
    }
    // The global memory handle is the drop handle itself.
    HDROP drop = static_cast<HDROP>(medium.hGlobal);

    LaunchCommandLine* line = new (std::nothrow) LaunchCommandLine;
    WidePath programPath = {};
    HRESULT result = E_FAIL;
    if (line == nullptr) {
        result = E_OUTOFMEMORY;
    } else if (GetProgramPath(programPath, kTextBufferSize) && StartLaunchCommandLine(line, programPath)) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            WidePath path = {};
            const UINT length = DragQueryFileW(drop, i, nullptr, 0);
            if (length == 0) continue;  // not a path at all
            // Only paths Tagrin can take are handed over, by the rule Tagrin itself follows: a '"' in a
            // name would end its quotes, and the rest would be read as other paths.
            if (length >= kTextBufferSize || DragQueryFileW(drop, i, path, kTextBufferSize) != length ||
                FindPathFault(path) != NameFault::kNone) {
                ++line->refused;
                continue;
            }
            AppendLaunchPath(line, path);
        }
        // Offered as long as anything was selected: the user is told then what was not handed over.
        if (line->pathCount + line->leftOut + line->refused > 0) {
            commandLine_ = line;
            line = nullptr;
            result = S_OK;
        }
    }
    delete line;
    ReleaseStgMedium(&medium);
    return result;
}

STDMETHODIMP TagMenu::QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags)
{
    if ((flags & CMF_DEFAULTONLY) || commandLine_ == nullptr || firstId > lastId) {
        return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 0);
    }
    if (!InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING, firstId, kMenuText)) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 1);
}

// Starts Tagrin once on the paths that fit on one command line, and tells the user how many did not: several
// starts would open several windows, each with a share of the selection.
STDMETHODIMP TagMenu::InvokeCommand(CMINVOKECOMMANDINFO* invocation)
{
    if (invocation == nullptr || !IsOurVerb(invocation)) return E_INVALIDARG;
    if (commandLine_ == nullptr) return E_UNEXPECTED;

    WidePath programPath = {};
    if (!GetProgramPath(programPath, kTextBufferSize)) return E_FAIL;
    WidePath programFolder = {};
    std::wmemcpy(programFolder, programPath, kTextBufferSize);
    PathRemoveFileSpecW(programFolder);

    if (commandLine_->pathCount > 0) {
        // CreateProcessW may write into the command line, so it gets a copy.
        LaunchCommandLine* line = new (std::nothrow) LaunchCommandLine(*commandLine_);
        if (line == nullptr) return E_OUTOFMEMORY;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        const BOOL started = CreateProcessW(programPath, line->text, nullptr, nullptr, FALSE, 0, nullptr, programFolder,
                                            &startup, &process);
        const DWORD error = GetLastError();
        delete line;
        if (!started) return HRESULT_FROM_WIN32(error);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    wchar_t message[kTextBufferSize] = {};
    FormatLaunchLeftOutMessage(*commandLine_, message, kTextBufferSize);
    if (message[0] != L'\0' && !(invocation->fMask & CMIC_MASK_FLAG_NO_UI)) {
        MessageBoxW(invocation->hwnd, message, L"Tagrin", MB_ICONWARNING | MB_OK);
    }
    return S_OK;
}

STDMETHODIMP TagMenu::GetCommandString(UINT_PTR commandOffset, UINT type, UINT*, CHAR* name, UINT nameSize)
{
    if (commandOffset != 0) return E_INVALIDARG;
    switch (type) {
    case GCS_VERBA:
    case GCS_VERBW:
        return CopyCommandText(kVerb, type == GCS_VERBW, name, nameSize);
    case GCS_HELPTEXTA:
    case GCS_HELPTEXTW:
        return CopyCommandText(kHelpText, type == GCS_HELPTEXTW, name, nameSize);
    case GCS_VALIDATEA:
    case GCS_VALIDATEW:
        return S_OK;
    default:
        return E_INVALIDARG;
    }
}
