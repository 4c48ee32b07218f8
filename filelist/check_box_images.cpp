#include "filelist/check_box_images.h"

#include "filelist/window_dpi.h"

HIMAGELIST CreateCheckBoxImages(HWND list, UINT dpi)
{
    // 16 pixels at 96 DPI, the box 2 pixels in from each side, as the list view draws its own.
    const int size = ScaleToDpi(16, dpi);
    const RECT whole = {0, 0, size, size};
    RECT box = whole;
    InflateRect(&box, -ScaleToDpi(2, dpi), -ScaleToDpi(2, dpi));

    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 2, 0);
    HDC screen = GetDC(list);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ReleaseDC(list, screen);

    // The mask is black over the box only: around it the row's own colour shows.
    HGDIOBJ original = SelectObject(dc, mask);
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const UINT boxes[] = {DFCS_BUTTONCHECK | DFCS_FLAT, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED};
    for (UINT state : boxes) {
        SelectObject(dc, image);
        FillRect(dc, &whole, GetSysColorBrush(COLOR_WINDOW));
        DrawFrameControl(dc, &box, DFC_BUTTON, state);
        // A bitmap is added while no DC holds it.
        SelectObject(dc, original);
        ImageList_Add(images, image, mask);
    }
    DeleteDC(dc);
    DeleteObject(image);
    DeleteObject(mask);
    return images;
}
