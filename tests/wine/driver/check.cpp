// The failure list of the scenario that is running.
#include "check.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::vector<std::string> Failures;
int Checks = 0;

void Record(const char* format, va_list args) {
    char text[1024];
    std::vsnprintf(text, sizeof text, format, args);
    Failures.push_back(text);
}

}  // namespace

void Fail(const char* format, ...) {
    ++Checks;
    va_list args;
    va_start(args, format);
    Record(format, args);
    va_end(args);
}

bool Expect(bool condition, const char* format, ...) {
    ++Checks;
    if (!condition) {
        va_list args;
        va_start(args, format);
        Record(format, args);
        va_end(args);
    }
    return condition;
}

bool ExpectEqual(long long got, long long expected, const char* what) {
    return Expect(got == expected, "%s: got %lld, expected %lld", what, got, expected);
}

bool ExpectText(const std::string& got, const std::string& expected, const char* what) {
    return Expect(got == expected, "%s: got \"%s\", expected \"%s\"", what,
                  Printable(got).c_str(), Printable(expected).c_str());
}

std::vector<std::string> TakeFailures() {
    std::vector<std::string> taken;
    taken.swap(Failures);
    return taken;
}

int TakeCheckCount() {
    const int taken = Checks;
    Checks = 0;
    return taken;
}

std::string Printable(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) {
            shown += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        }
    }
    return shown;
}
