// Recording what a scenario found. A scenario runs to its end and collects
// every failed expectation; it passes when it collected none.
#ifndef WORDLOFT_TESTS_CHECK_H
#define WORDLOFT_TESTS_CHECK_H

#include <string>
#include <vector>

// Records a failure, printf-style.
void Fail(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Records a failure when condition is false; returns condition.
bool Expect(bool condition, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Compares two numbers and records "what: got X, expected Y" when they differ.
bool ExpectEqual(long long got, long long expected, const char* what);
bool ExpectText(const std::string& got, const std::string& expected, const char* what);

// The failures recorded since the last call, handed over and cleared.
std::vector<std::string> TakeFailures();

// The number of expectations checked since the last call, passed or not;
// the count restarts at 0.
int TakeCheckCount();

// Text with non-printable and non-ASCII bytes shown as \xNN.
std::string Printable(const std::string& text);

#endif
