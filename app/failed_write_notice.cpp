#include "app/failed_write_notice.h"

#include "store/failed_write.h"

void TellFailedWrite(HWND dialog)
{
    const std::string message = TakeFailedWriteMessage();
    if (message.empty()) return;
    MessageBoxA(dialog, message.c_str(), "Tagrin", MB_OK | MB_ICONWARNING);
}
