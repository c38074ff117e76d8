// Every scenario the driver runs, declared from the one list of them in
// scenario_list.h. Each starts the program from a prepared preference
// file, plays as a person would, and checks what it sees and what the
// program wrote; failures are recorded through check.h.
#ifndef WORDLOFT_TESTS_SCENARIOS_H
#define WORDLOFT_TESTS_SCENARIOS_H

struct Scenario {
    const char* Name;
    void (*Run)();
};

#define WORDLOFT_SCENARIO(name, function, screen) void function();
#include "scenario_list.h"
#undef WORDLOFT_SCENARIO

#endif
