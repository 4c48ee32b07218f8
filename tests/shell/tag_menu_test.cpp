// ShellExt.dll in-process, loaded from a program folder where a recorder stands in for Tagrin.exe.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <process.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell_test_support.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/window_input.h"

namespace {

const DWORD kRecorderWait = 15000;

// The least a selection needs: CF_HDROP data with ANSI paths, or no data at all.
class SelectionData final : public IDataObject {
public:
    SelectionData(const std::vector<std::string>& paths, bool offersDrop) : offersDrop_(offersDrop)
    {
        for (const std::string& path : paths) paths_.push_back(Utf16(path));
    }
    SelectionData(std::vector<std::wstring> paths, bool offersDrop) : paths_(std::move(paths)), offersDrop_(offersDrop) {}

    STDMETHODIMP QueryInterface(REFIID id, void** object) override
    {
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        // UTF-16, as the shell hands a selection over.
        std::wstring list;
        for (const std::wstring& path : paths_) list += path + L'\0';
        list += L'\0';
        // GHND zero-fills: the extra unit ends an empty list with its second NUL.
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t));
        if (memory == nullptr) return E_OUTOFMEMORY;
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        if (!offersDrop_ || format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::wstring> paths_;
    bool offersDrop_;
};

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
using PlainFunction = HRESULT(WINAPI*)();

class TagMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        RecordProperty("codePage", static_cast<int>(GetACP()));
        CoInitialize(nullptr);
        RemoveExtensionRegistration();
        const std::string built = TestExecutableFolder();
        ASSERT_TRUE(CopyFileA((built + "\\ShellExt.dll").c_str(), ExtensionPath().c_str(), FALSE));
        ASSERT_TRUE(CopyFileA((built + "\\command_line_recorder.exe").c_str(), ProgramPath().c_str(), FALSE));
        module_ = LoadLibraryA(ExtensionPath().c_str());
        ASSERT_NE(nullptr, module_);
        getClassObject_ = reinterpret_cast<GetClassObjectFunction>(Export("DllGetClassObject"));
        canUnloadNow_ = reinterpret_cast<PlainFunction>(Export("DllCanUnloadNow"));
        registerServer_ = reinterpret_cast<PlainFunction>(Export("DllRegisterServer"));
        unregisterServer_ = reinterpret_cast<PlainFunction>(Export("DllUnregisterServer"));
        ASSERT_TRUE(getClassObject_ && canUnloadNow_ && registerServer_ && unregisterServer_);
    }
    void TearDown() override
    {
        if (menu_) menu_->Release();
        if (init_) init_->Release();
        RemoveExtensionRegistration();
        CoFreeUnusedLibraries();
        if (module_) FreeLibrary(module_);
        CoUninitialize();
    }

    void* Export(const char* name) const { return reinterpret_cast<void*>(GetProcAddress(module_, name)); }
    std::string ExtensionPath() const { return folder_.Join("ShellExt.dll"); }
    std::string ProgramPath() const { return folder_.Join("Tagrin.exe"); }
    std::string RecordPath() const { return folder_.Join("command_line.txt"); }

    // A fresh menu object initialised with the selection; false when Initialize refused it.
    bool CreateMenu(SelectionData* selection)
    {
        IClassFactory* factory = nullptr;
        if (FAILED(getClassObject_(kExtensionClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
            return false;
        }
        factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init_));
        factory->Release();
        if (!init_) return false;
        init_->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu_));
        return menu_ && SUCCEEDED(init_->Initialize(nullptr, selection, nullptr));
    }

    HRESULT Invoke(LPCSTR verb, DWORD mask)
    {
        CMINVOKECOMMANDINFO invocation = {};
        invocation.cbSize = sizeof invocation;
        invocation.fMask = mask;
        invocation.lpVerb = verb;
        invocation.nShow = SW_SHOWNORMAL;
        return menu_->InvokeCommand(&invocation);
    }

    std::wstring RecordedWideCommandLine()
    {
        if (!WaitForFile(RecordPath(), kRecorderWait)) return L"(Tagrin.exe was not started)";
        const std::string bytes = ReadFileBytes(RecordPath());
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    }
    // In code-page bytes, for the paths the code page spells.
    std::string RecordedCommandLine()
    {
        const std::wstring wide = RecordedWideCommandLine();
        std::string bytes(wide.size() * 2 + 1, '\0');
        bytes.resize(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &bytes[0], static_cast<int>(bytes.size()), nullptr,
                                         nullptr) - 1);
        return bytes;
    }

    TempProgramFolder folder_;
    HMODULE module_ = nullptr;
    GetClassObjectFunction getClassObject_ = nullptr;
    PlainFunction canUnloadNow_ = nullptr;
    PlainFunction registerServer_ = nullptr;
    PlainFunction unregisterServer_ = nullptr;
    IShellExtInit* init_ = nullptr;
    IContextMenu* menu_ = nullptr;
};

TEST_F(TagMenuTest, RegistersTheClassAndBothMenuHandlersAndRemovesThemAgain)
{
    ASSERT_EQ(S_OK, registerServer_());
    const std::string classKey = kExtensionClassKey;
    EXPECT_NE(L"", ClassesStringValue(classKey, nullptr));
    EXPECT_EQ(0, lstrcmpiW(Utf16(ExtensionPath()).c_str(),
                           ClassesStringValue(classKey + "\\InprocServer32", nullptr).c_str()));
    EXPECT_EQ(L"Apartment", ClassesStringValue(classKey + "\\InprocServer32", L"ThreadingModel"));
    EXPECT_EQ(Utf16(kExtensionClassIdText), ClassesStringValue(kFileHandlerKey, nullptr));
    EXPECT_EQ(Utf16(kExtensionClassIdText), ClassesStringValue(kFolderHandlerKey, nullptr));

    // The shell finds the object through the registration alone.
    IShellExtInit* created = nullptr;
    EXPECT_EQ(S_OK, CoCreateInstance(kExtensionClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                     reinterpret_cast<void**>(&created)));
    if (created) created->Release();

    EXPECT_EQ(S_OK, unregisterServer_());
    for (const char* key : {kExtensionClassKey, kFileHandlerKey, kFolderHandlerKey}) {
        EXPECT_FALSE(ClassesKeyExists(key)) << key;
    }
    EXPECT_EQ(S_OK, unregisterServer_()) << "unregistering twice is no failure";
}

TEST_F(TagMenuTest, RegistersItsPathInAFolderShiftJisCannotSpell)
{
    const std::wstring folder = Utf16(folder_.Path()) + L"\\확장 폴더", extension = folder + L"\\ShellExt.dll";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) &&
                CopyFileW(Utf16(ExtensionPath()).c_str(), extension.c_str(), TRUE));
    HMODULE module = LoadLibraryW(extension.c_str());
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(S_OK,
              reinterpret_cast<PlainFunction>(reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")))());
    EXPECT_EQ(0, lstrcmpiW(extension.c_str(),
                           ClassesStringValue(std::string(kExtensionClassKey) + "\\InprocServer32", nullptr).c_str()));
    FreeLibrary(module);
}

TEST_F(TagMenuTest, ClassObjectServesOnlyItsClassAndKeepsTheModuleWhileInUse)
{
    void* object = nullptr;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, getClassObject_(IID_IUnknown, IID_IClassFactory, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(S_OK, canUnloadNow_());

    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, getClassObject_(kExtensionClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(S_FALSE, canUnloadNow_());
    IUnknown* outer = factory;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &object));
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IDataObject, &object));
    IContextMenu* menu = nullptr;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)));
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(S_FALSE, canUnloadNow_()) << "a live object and a server lock";
    menu->Release();
    EXPECT_EQ(S_FALSE, canUnloadNow_()) << "a server lock";
    ASSERT_EQ(S_OK, getClassObject_(kExtensionClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(S_OK, canUnloadNow_());
}

TEST_F(TagMenuTest, AddsOneItemWithItsTextAndTheFirstId)
{
    SelectionData selection({"C:\\写真 2024\\表 紙.txt"}, true);
    ASSERT_TRUE(CreateMenu(&selection));
    const struct {
        const char* name;
        UINT firstId;
        UINT lastId;
        UINT flags;
        int items;
    } cases[] = {
        {"normal", 100, 200, CMF_NORMAL, 1},
        {"explore", 7, 7, CMF_EXPLORE, 1},
        {"default only", 100, 200, CMF_DEFAULTONLY, 0},
        {"no ids left", 201, 200, CMF_NORMAL, 0},
    };
    for (const auto& c : cases) {
        HMENU popup = CreatePopupMenu();
        const HRESULT result = menu_->QueryContextMenu(popup, 0, c.firstId, c.lastId, c.flags);
        EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, c.items), result) << c.name;
        ASSERT_EQ(c.items, GetMenuItemCount(popup)) << c.name;
        if (c.items == 1) {
            EXPECT_EQ(c.firstId, GetMenuItemID(popup, 0)) << c.name;
            wchar_t text[256] = {};
            GetMenuStringW(popup, 0, text, 256, MF_BYPOSITION);
            EXPECT_STREQ(L"タグの追加(&T)", text) << c.name;
        }
        DestroyMenu(popup);
    }
}

TEST_F(TagMenuTest, ASelectionWithoutFilesOffersNothing)
{
    const struct {
        const char* name;
        bool offersDrop;
    } cases[] = {{"no file data", false}, {"an empty file list", true}};
    for (const auto& c : cases) {
        SelectionData selection(std::vector<std::wstring>{}, c.offersDrop);
        EXPECT_FALSE(CreateMenu(&selection)) << c.name;
        ASSERT_NE(nullptr, menu_);
        HMENU popup = CreatePopupMenu();
        EXPECT_EQ(MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0), menu_->QueryContextMenu(popup, 0, 1, 10, CMF_NORMAL));
        EXPECT_EQ(0, GetMenuItemCount(popup));
        EXPECT_EQ(E_UNEXPECTED, Invoke(MAKEINTRESOURCEA(0), CMIC_MASK_FLAG_NO_UI));
        DestroyMenu(popup);
        menu_->Release();
        init_->Release();
        menu_ = nullptr;
        init_ = nullptr;
    }
}

TEST_F(TagMenuTest, CommandStringsNameTheVerbAndHelp)
{
    SelectionData selection({"C:\\a.txt"}, true);
    ASSERT_TRUE(CreateMenu(&selection));
    char text[256] = {};
    EXPECT_EQ(S_OK, menu_->GetCommandString(0, GCS_VERBA, nullptr, text, sizeof text));
    EXPECT_STREQ("tagrin.addtag", text);
    wchar_t wide[256] = {};
    EXPECT_EQ(S_OK, menu_->GetCommandString(0, GCS_VERBW, nullptr, reinterpret_cast<CHAR*>(wide), 256));
    EXPECT_STREQ(L"tagrin.addtag", wide);
    EXPECT_EQ(S_OK, menu_->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<CHAR*>(wide), 256));
    EXPECT_STREQ(L"選択したファイルとフォルダを Tagrin で開きます", wide);
    // An ANSI caller reads it in its own code page.
    EXPECT_EQ(S_OK, menu_->GetCommandString(0, GCS_HELPTEXTA, nullptr, text, sizeof text));
    EXPECT_EQ(Utf16(text), wide);  // Utf16 converts from the code page of this process
    EXPECT_EQ(S_OK, menu_->GetCommandString(0, GCS_VALIDATEA, nullptr, nullptr, 0));
    EXPECT_EQ(E_INVALIDARG, menu_->GetCommandString(1, GCS_VERBA, nullptr, text, sizeof text));
    EXPECT_FALSE(SUCCEEDED(menu_->GetCommandString(0, GCS_VERBA, nullptr, text, 4))) << "a buffer too small";
}

// Explorer runs in the system's code page, which need not be Shift-JIS: the cases that read the extension's texts
// and registration run again in a copy of this suite whose manifest asks for UTF-8.
TEST_F(TagMenuTest, TextsAndRegistrationHoldInAProcessOfAnotherCodePage)
{
    const std::wstring copy = Utf16(folder_.Join("utf8_tests.exe"));
    ASSERT_TRUE(CopyFileW(Utf16(TestExecutableFolder() + "\\shell_extension_tests.exe").c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), folder_.Join("command_line_recorder.exe").c_str(), FALSE));
    ASSERT_TRUE(AskForCodePage(copy, "UTF-8"));
    const std::wstring output = L"\"--gtest_output=xml:" + Utf16(folder_.Join("report.xml")) + L"\"";
    EXPECT_EQ(0, _wspawnl(_P_WAIT, copy.c_str(), (L"\"" + copy + L"\"").c_str(), output.c_str(),
                          L"--gtest_filter=TagMenuTest.Registers*:TagMenuTest.AddsOneItem*:TagMenuTest.CommandStrings*:"
                          L"TagMenuTest.TellsTheUser*",
                          nullptr));
    const std::string report = ReadFileBytes(folder_.Join("report.xml"));
    EXPECT_NE(std::string::npos, report.find("tests=\"5\"")) << report;
    EXPECT_TRUE(report.find("\"65001\"") != std::string::npos && report.find("\"932\"") == std::string::npos) << report;
}

TEST_F(TagMenuTest, StartsTheProgramBesideTheExtensionWithEachPathQuoted)
{
    // 表, ソ, 能 and 予 end in the byte 0x5C.
    const std::vector<std::string> paths = {"C:\\写真 2024\\表 紙.txt", "D:\\ソフト\\能 力", "E:\\[予定] a.txt"};
    const struct {
        const char* name;
        LPCSTR verb;
    } cases[] = {{"by offset", MAKEINTRESOURCEA(0)}, {"by verb", "tagrin.addtag"}};
    for (const auto& c : cases) {
        DeleteFileA(RecordPath().c_str());
        SelectionData selection(paths, true);
        ASSERT_TRUE(CreateMenu(&selection));
        ASSERT_EQ(S_OK, Invoke(c.verb, 0)) << c.name;
        EXPECT_EQ("\"" + ProgramPath() + "\" \"" + paths[0] + "\" \"" + paths[1] + "\" \"" + paths[2] + "\"",
                  RecordedCommandLine())
            << c.name;
        menu_->Release();
        init_->Release();
        menu_ = nullptr;
        init_ = nullptr;
    }
    // Names the code page cannot spell reach the program exactly, never as their best-fit look-alikes. A name
    // holding '"' is not handed over: it would end its quotes, and x" "設定.ini would name the program's settings.
    DeleteFileA(RecordPath().c_str());
    SelectionData exact(std::vector<std::wstring>{L"C:\\caf\u00e9.txt", L"C:\\x\" \"設定.ini", L"C:\\a\u00a5b.txt"}, true);
    ASSERT_TRUE(CreateMenu(&exact));
    MessageBoxAnswers boxes;
    ASSERT_EQ(S_OK, Invoke(MAKEINTRESOURCEA(0), 0));
    EXPECT_EQ(L"\"" + Utf16(ProgramPath()) + L"\" \"C:\\caf\u00e9.txt\" \"C:\\a\u00a5b.txt\"", RecordedWideCommandLine());
    const std::vector<std::wstring> told = boxes.Texts();
    ASSERT_EQ(1u, told.size());
    EXPECT_NE(std::wstring::npos, told[0].find(L"3 個のうち 1 個は、名前に使えない文字"));
}

// How many processes this one has started, counted by a job it joins once: a process is counted the moment
// it is created, so no wait can miss one.
DWORD ProcessesStarted()
{
    static HANDLE job = [] {
        HANDLE made = CreateJobObjectA(nullptr, nullptr);
        AssignProcessToJobObject(made, GetCurrentProcess());
        return made;
    }();
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts = {};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &counts, sizeof counts, nullptr)) return 0;
    return counts.TotalProcesses;
}

TEST_F(TagMenuTest, OtherCommandsStartNothing)
{
    SelectionData selection({"C:\\a.txt"}, true);
    ASSERT_TRUE(CreateMenu(&selection));
    const DWORD before = ProcessesStarted();
    ASSERT_NE(0u, before) << "this process is not counted by its job";
    EXPECT_EQ(E_INVALIDARG, Invoke(MAKEINTRESOURCEA(1), 0));
    EXPECT_EQ(E_INVALIDARG, Invoke("open", 0));
    EXPECT_EQ(before, ProcessesStarted());
    // The count does see a start: the menu's own command starts the program.
    ASSERT_EQ(S_OK, Invoke(MAKEINTRESOURCEA(0), CMIC_MASK_FLAG_NO_UI));
    EXPECT_LT(before, ProcessesStarted());
    EXPECT_NE("(Tagrin.exe was not started)", RecordedCommandLine());
}

// Paths that make the line too long are left out; Tagrin still starts with all that fit.
std::vector<std::string> ManyLongPaths(int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "\\%04d 表.txt", i);
        paths.push_back("C:\\" + std::string(180, 'x') + name);
    }
    return paths;
}

std::string ExpectedLongLine(const std::string& program, const std::vector<std::string>& paths, int* taken)
{
    std::string line = "\"" + program + "\"";
    *taken = 0;
    for (const std::string& path : paths) {
        // The limit counts UTF-16 characters: 表 is one.
        if (Utf16(line).size() + Utf16(path).size() + 3 > 32766) break;
        line += " \"" + path + "\"";
        ++*taken;
    }
    return line;
}

TEST_F(TagMenuTest, PathsBeyondTheCommandLineLimitAreLeftOut)
{
    const std::vector<std::string> paths = ManyLongPaths(300);
    SelectionData selection(paths, true);
    ASSERT_TRUE(CreateMenu(&selection));
    ASSERT_EQ(S_OK, Invoke(MAKEINTRESOURCEA(0), CMIC_MASK_FLAG_NO_UI));
    int taken = 0;
    const std::string expected = ExpectedLongLine(ProgramPath(), paths, &taken);
    const std::string recorded = RecordedCommandLine();
    EXPECT_GT(taken, 100);
    EXPECT_LT(taken, 300);
    EXPECT_LE(Utf16(recorded).size(), 32766u);
    EXPECT_EQ(expected.size(), recorded.size());
    EXPECT_TRUE(expected == recorded);
}

TEST_F(TagMenuTest, TellsTheUserHowManyPathsWereLeftOut)
{
    const std::vector<std::string> paths = ManyLongPaths(300);
    SelectionData selection(paths, true);
    ASSERT_TRUE(CreateMenu(&selection));
    int taken = 0;
    ExpectedLongLine(ProgramPath(), paths, &taken);

    MessageBoxAnswers boxes;
    EXPECT_EQ(S_OK, Invoke(MAKEINTRESOURCEA(0), 0));
    const std::vector<std::wstring> texts = boxes.Texts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_NE(std::wstring::npos, texts[0].find(std::to_wstring(300 - taken) + L" 個"));
    EXPECT_NE(std::wstring::npos, texts[0].find(L"300 個"));
    EXPECT_NE("(Tagrin.exe was not started)", RecordedCommandLine());
}

}  // namespace
