// Sentences from patterns (text_format.h).
#include "game/text_format.h"

#include <cstdlib>
#include <vector>

#include "records/record_requests.h"

Language TextLanguage = kEnglish;

bool TakesSingular(Language language, long count) {
    return language == kFrench ? (count == 0 || count == 1 || count == -1) : (count == 1 || count == -1);
}

namespace {

// The choice of "{n|singular|plural}": the part after the first or the
// second bar.
std::string ChooseForm(const std::string& choice, long count) {
    const size_t first = choice.find('|');
    const size_t second = choice.find('|', first + 1);
    if (second == std::string::npos) return choice.substr(first + 1);
    return TakesSingular(TextLanguage, count) ? choice.substr(first + 1, second - first - 1) : choice.substr(second + 1);
}

}  // namespace

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> values) {
    const std::vector<std::string> given(values);
    std::string text;
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        const size_t close = open == std::string::npos ? std::string::npos : pattern.find('}', open);
        if (close == std::string::npos) {
            text += pattern.substr(at);
            break;
        }
        text += pattern.substr(at, open - at);
        const std::string inside = pattern.substr(open + 1, close - open - 1);
        const bool placeholder =
            !inside.empty() && inside[0] >= '0' && inside[0] <= '9' && (inside.size() == 1 || inside[1] == '|');
        if (placeholder) {
            const size_t index = static_cast<size_t>(inside[0] - '0');
            const std::string value = index < given.size() ? given[index] : std::string();
            text += inside.size() == 1 ? value : ChooseForm(inside, std::strtol(value.c_str(), nullptr, 10));
        } else {
            text += pattern.substr(open, close + 1 - open);  // braces of the text itself
        }
        at = close + 1;
    }
    return text;
}

std::string FormatProgramText(int16_t id, std::initializer_list<std::string> values) {
    return FormatText(ProgramText(id), values);
}
