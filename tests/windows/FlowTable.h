#pragma once

#include <string>
#include <vector>

// A rule of the windows, played as a scenario: what it says, then its steps.
struct FlowRow {
    std::string rule;
    std::vector<std::string> steps;
};

// Every rule of the flow table, the winning playthrough last.
std::vector<FlowRow> flowRows();
