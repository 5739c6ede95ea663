// The benchmark's results: a table for people, JSON for machines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rnx10::bench {

// The lowest and highest of a row's runs; its figure is their median.
struct Spread {
    double lowest = 0, highest = 0;
};

struct Row {
    std::string name;
    std::string tool;                 // the command it is measured against ("" for none)
    double ours = 0;                  // seconds (or the row's unit): the median of the runs
    std::optional<double> toolValue;  // the tool's, same unit
    std::optional<Spread> oursSpread, toolSpread; // when the row was run more than once
    std::optional<double> target;     // most allowed: ratio ours/tool, or ours itself without a tool
    std::string unit = "s";
    std::string note;

    std::optional<double> ratio() const;
    std::optional<bool> met() const;
};

// A row against a standard tool, its target a ratio; and a row of our figure alone.
Row compared(std::string name, std::string tool, double ours, double toolValue, std::optional<double> target = {});
// A row against a tool from every run of both: medians, their ratio, and each side's spread.
Row compared(std::string name, std::string tool, const std::vector<double> &ours, const std::vector<double> &tool_,
             std::optional<double> target = {});
// A row of our figure alone, from every run.
Row alone(std::string name, const std::vector<double> &ours, std::string unit, std::optional<double> target = {});
Row alone(std::string name, double ours, std::string unit, std::optional<double> target = {});

struct Results {
    std::string header;               // store and machine description
    std::vector<Row> rows;
    std::vector<std::string> notes;
};

std::string asTable(const Results &r);
std::string asJson(const Results &r);

} // namespace rnx10::bench
