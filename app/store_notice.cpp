#include "app/store_notice.h"

#include "store/failed_write.h"
#include "store/settings.h"

void TellStoreNotices(HWND dialog)
{
    const std::string message = TakeSettingsNotice() + TakeFailedWriteMessage();
    if (message.empty()) return;
    MessageBoxA(dialog, message.c_str(), "Tagrin", MB_OK | MB_ICONWARNING);
}
