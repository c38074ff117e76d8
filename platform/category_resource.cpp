// Reading a built-in category's text: a "WLTW" resource of the program in
// the language the player chose for the words.
// The text's last byte (the final line feed) gives way to the terminating
// zero, as every category text ends with CR LF.
#include <windows.h>

#include <cstring>

#include "game/categories.h"
#include "game/requests.h"
#include "platform/program_handles.h"
#include "platform/program_texts.h"

namespace {

int16_t ReportCategoryError(int16_t errorStringId) {
    char message[100];
    LoadResourceString(errorStringId, message, sizeof message);
    ShowErrorMessage(message);
    return 0;
}

}  // namespace

// ---- Requests answered here ----

int16_t LoadCategoryText(const char* resourceName, char* buffer, size_t size, int16_t errorStringId) {
    if (size == 0) return 0;
    buffer[0] = '\0';
    DWORD resourceSize = 0;
    const char* text = static_cast<const char*>(ProgramResourceBytes(
        FindResourceExA(ProgramInstance, "WLTW", resourceName, ResourceLanguageOf(WordLanguage)), &resourceSize));
    if (text == nullptr) return ReportCategoryError(errorStringId);
    // The resource itself is read-only: the text is copied without its
    // last byte, up to any zero inside it, and within the buffer.
    size_t length = resourceSize > 0 ? resourceSize - 1 : 0;
    if (length > size - 1) length = size - 1;
    const void* zero = std::memchr(text, '\0', length);
    if (zero != nullptr) length = static_cast<size_t>(static_cast<const char*>(zero) - text);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return 1;
}
