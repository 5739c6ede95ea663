// The benchmark's results: a table for people, JSON for machines.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rnx10::bench {

struct Row {
    std::string name;
    std::string tool;                 // the command it is measured against ("" for none)
    double ours = 0;                  // seconds (or the row's unit)
    std::optional<double> toolValue;  // the tool's, same unit
    std::optional<double> target;     // most allowed: ratio ours/tool, or ours itself without a tool
    std::string unit = "s";
    std::string note;

    std::optional<double> ratio() const;
    std::optional<bool> met() const;
};

// A row against a standard tool, its target a ratio; and a row of our figure alone.
Row compared(std::string name, std::string tool, double ours, double toolValue, std::optional<double> target = {});
Row alone(std::string name, double ours, std::string unit, std::optional<double> target = {});

struct Results {
    std::string header;               // store and machine description
    std::vector<Row> rows;
    std::vector<std::string> notes;
};

std::string asTable(const Results &r);
std::string asJson(const Results &r);

} // namespace rnx10::bench
