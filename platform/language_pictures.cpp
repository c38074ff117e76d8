// The pictures in the program's language (language_pictures.h).
#include "platform/language_pictures.h"

#include <map>
#include <vector>

#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/unpacking.h"

namespace {

// The language's packed picture as a bitmap of the screen's kind, as
// LoadBitmap makes one; nullptr when the language has none.
HBITMAP UnpackedPicture(LPCSTR name) {
    if (TextLanguage == kEnglish) return nullptr;
    DWORD size = 0;
    const auto* packed = static_cast<const uint8_t*>(
        ProgramResourceBytes(FindResourceExA(ProgramInstance, "WLTB", name, ResourceLanguageOf(TextLanguage)), &size));
    std::vector<uint8_t> file;
    if (!packed || !Unpack(packed, size, file)) return nullptr;
    if (file.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return nullptr;
    const auto* head = reinterpret_cast<const BITMAPFILEHEADER*>(file.data());
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
    if (head->bfType != 0x4D42 || head->bfOffBits >= file.size()) return nullptr;
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, file.data() + head->bfOffBits, info,
                                          DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// The dialogs' pictures, made once and kept for the run.
std::map<int, HBITMAP> DialogPictures;

}  // namespace

HBITMAP LoadProgramPicture(LPCSTR name) {
    const HBITMAP own = UnpackedPicture(name);
    return own ? own : LoadBitmapA(ProgramInstance, name);
}

void ShowLanguagePicture(HWND dialog, int control, int picture) {
    auto kept = DialogPictures.find(picture);
    if (kept == DialogPictures.end()) kept = DialogPictures.emplace(picture, UnpackedPicture(MAKEINTRESOURCEA(picture))).first;
    if (!kept->second) return;
    // The control loaded the English picture itself; it is ours to delete.
    const HGDIOBJ english = reinterpret_cast<HGDIOBJ>(
        SendDlgItemMessageA(dialog, control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(kept->second)));
    if (english && english != kept->second) DeleteObject(english);
}

// The control lets go of the kept picture, so that it does not delete it.
void ForgetLanguagePicture(HWND dialog, int control, int picture) {
    const auto kept = DialogPictures.find(picture);
    if (kept != DialogPictures.end() && kept->second) SendDlgItemMessageA(dialog, control, STM_SETIMAGE, IMAGE_BITMAP, 0);
}
