#pragma once
#include <windows.h>

#include <string>

#include "res/extension_class.h"

// The folder of the running test executable, where the build put ShellExt.dll and the command-line recorder.
std::string TestExecutableFolder();

bool ClassesKeyExists(const std::string& subkey);
// The default value (valueName null) or a named string value of a key under HKEY_CLASSES_ROOT, read in UTF-16;
// empty when absent.
std::wstring ClassesStringValue(const std::string& subkey, const wchar_t* valueName);
// Whether a key exists under HKEY_CURRENT_USER\Software\Classes, where a standard user's registration goes.
bool UserClassesKeyExists(const std::string& subkey);
// Removes every key the extension may write, in both scopes, so each test starts and ends with the extension
// unregistered.
void RemoveExtensionRegistration();

// A hidden parent window holding the two auto check boxes of the main dialog (IDC_CONTEXT_MENU_BOX and
// IDC_SEND_TO_BOX); ClickButton on Window() clicks one the way a user does.
class CheckBoxParent {
public:
    CheckBoxParent();
    ~CheckBoxParent();
    CheckBoxParent(const CheckBoxParent&) = delete;
    CheckBoxParent& operator=(const CheckBoxParent&) = delete;

    HWND Window() const { return window_; }
    HWND Box(int id) const { return GetDlgItem(window_, id); }
    bool IsChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

private:
    HWND window_;
};
