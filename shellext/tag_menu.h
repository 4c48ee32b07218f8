#pragma once
#include <windows.h>
#include <shlobj.h>

#include "shellext/launch_command_line.h"

// The object Explorer creates for a right-click on files or folders: it collects the selected paths when it is
// initialised, offers "タグの追加(&T)", and starts Tagrin.exe from the extension's own folder on those paths.
class TagMenu final : public IShellExtInit, public IContextMenu {
public:
    TagMenu();
    ~TagMenu();
    TagMenu(const TagMenu&) = delete;
    TagMenu& operator=(const TagMenu&) = delete;

    STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* selection, HKEY programKey) override;

    STDMETHODIMP QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* invocation) override;
    STDMETHODIMP GetCommandString(UINT_PTR commandOffset, UINT type, UINT* reserved, CHAR* name,
                                  UINT nameSize) override;

private:
    LONG references_;
    LaunchCommandLine* commandLine_;  // null until Initialize has read a selection
};
