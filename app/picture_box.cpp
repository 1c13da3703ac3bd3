#include "app/picture_box.h"

#include "app/control_table.h"
#include "app/event_table.h"
#include "app/shell.h"
#include "app/resource_ids.h"

namespace {

void paint_picture(HWND box) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    const Shell* shell = shell_of(box);
    IPicture* picture = shell ? shell->picture.get() : nullptr;
    const UINT dpi = shell ? shell->dpi : USER_DEFAULT_SCREEN_DPI;
    if (picture) {
        RECT client;
        GetClientRect(box, &client);
        const RECT place = picture_place(picture_size(picture, dpi), client);
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture->get_Width(&width);
        picture->get_Height(&height);
        // Render's source rectangle runs bottom-up in HIMETRIC units.
        picture->Render(dc, place.left, place.top, place.right - place.left, place.bottom - place.top,
                        0, height, width, -height, nullptr);
    }
    EndPaint(box, &paint);
}

LRESULT CALLBACK picture_box_proc(HWND box, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_PAINT:
        paint_picture(box);
        return 0;
    case WM_LBUTTONDOWN:
        if (Shell* shell = shell_of(box)) raise_event(*shell, Source::icon, Event::left_button_down);
        return 0;
    case WM_DESTROY:
        RevokeDragDrop(box);
        return 0;
    default:
        return DefWindowProcW(box, message, w, l);
    }
}

}  // namespace

void register_picture_class(HINSTANCE instance) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(instance, kPictureClass, &cls)) return;
    cls.lpfnWndProc = picture_box_proc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_HAND);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kPictureClass;
    RegisterClassExW(&cls);
}

IPicture* load_program_picture(HINSTANCE instance) {
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDR_PICTURE), RT_RCDATA);
    if (!resource) return nullptr;
    const DWORD size = SizeofResource(instance, resource);
    const void* bytes = LockResource(LoadResource(instance, resource));
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!bytes || !memory) return nullptr;
    CopyMemory(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        picture = nullptr;
    }
    stream->Release();
    return picture;
}

SIZE picture_size(IPicture* picture, UINT dpi) {
    // The image's own pixels: its HIMETRIC size depends on the DPI the loader assumed.
    OLE_HANDLE handle = 0;
    BITMAP bitmap{};
    if (FAILED(picture->get_Handle(&handle)) ||
        !GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap))
        return {0, 0};
    return {MulDiv(bitmap.bmWidth, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI),
            MulDiv(bitmap.bmHeight, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI)};
}

RECT picture_place(SIZE picture, const RECT& box) {
    const LONG box_width = box.right - box.left;
    const LONG box_height = box.bottom - box.top;
    LONG width = picture.cx;
    LONG height = picture.cy;
    if (width > box_width || height > box_height) {
        // Scale by the tighter of the two ratios, compared without division.
        if (static_cast<long long>(width) * box_height > static_cast<long long>(height) * box_width) {
            height = MulDiv(height, box_width, width);
            width = box_width;
        } else {
            width = MulDiv(width, box_height, height);
            height = box_height;
        }
    }
    const LONG left = box.left + (box_width - width) / 2;
    const LONG top = box.top + (box_height - height) / 2;
    return {left, top, left + width, top + height};
}
