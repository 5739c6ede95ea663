#include "ResultTable.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace rnx10::bench {

namespace {

std::string number(double v, const std::string &unit)
{
    char buf[64];
    if (unit == "s" && v < 0.1)
        std::snprintf(buf, sizeof buf, "%.2f ms", v * 1000);
    else if (unit == "s")
        std::snprintf(buf, sizeof buf, "%.3f s", v);
    else if (unit == "calls")
        std::snprintf(buf, sizeof buf, "%.2f", v);
    else
        std::snprintf(buf, sizeof buf, "%.1f %s", v, unit.c_str());
    return buf;
}

// A figure with its runs' spread: "median (lowest-highest)".
std::string spread(double v, const std::optional<Spread> &s, const std::string &unit)
{
    if (!s)
        return number(v, unit);
    return number(v, unit) + " (" + number(s->lowest, unit) + "–" + number(s->highest, unit) + ")";
}

std::string fixed(double v, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

std::string jsonText(const std::string &s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

} // namespace

Row compared(std::string name, std::string tool, double ours, double toolValue, std::optional<double> target)
{
    Row row;
    row.name = std::move(name);
    row.tool = std::move(tool);
    row.ours = ours;
    row.toolValue = toolValue;
    row.target = target;
    return row;
}

namespace {

double middle(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::optional<Spread> spreadOf(const std::vector<double> &v)
{
    if (v.size() < 2)
        return std::nullopt;
    return Spread{*std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end())};
}

} // namespace

Row compared(std::string name, std::string tool, const std::vector<double> &ours, const std::vector<double> &tool_,
             std::optional<double> target)
{
    Row row = compared(std::move(name), std::move(tool), middle(ours), middle(tool_), target);
    row.oursSpread = spreadOf(ours);
    row.toolSpread = spreadOf(tool_);
    return row;
}

Row alone(std::string name, const std::vector<double> &ours, std::string unit, std::optional<double> target)
{
    Row row = alone(std::move(name), middle(ours), std::move(unit), target);
    row.oursSpread = spreadOf(ours);
    return row;
}

Row alone(std::string name, double ours, std::string unit, std::optional<double> target)
{
    Row row;
    row.name = std::move(name);
    row.ours = ours;
    row.unit = std::move(unit);
    row.target = target;
    return row;
}

std::optional<double> Row::ratio() const
{
    if (!toolValue || *toolValue <= 0)
        return std::nullopt;
    return ours / *toolValue;
}

std::optional<bool> Row::met() const
{
    if (!target)
        return std::nullopt;
    if (toolValue)
        return ratio() && *ratio() <= *target;
    return ours <= *target;
}

std::string asTable(const Results &r)
{
    std::ostringstream out;
    out << r.header << "\n\n";
    out << "| operation | ours: median (lowest–highest) | standard tool | tool | ratio of medians | target | met |\n";
    out << "|---|---|---|---|---|---|---|\n";
    for (const Row &row : r.rows) {
        std::string target = !row.target ? "-" : row.toolValue ? "<= " + fixed(*row.target, 1) : (row.unit == "s" ? "<= " + number(*row.target, row.unit) : "< " + number(*row.target, row.unit));
        out << "| " << row.name << " | " << spread(row.ours, row.oursSpread, row.unit) << " | "
            << (row.tool.empty() ? "-" : "`" + row.tool + "`") << " | "
            << (row.toolValue ? spread(*row.toolValue, row.toolSpread, row.unit) : "-") << " | "
            << (row.ratio() ? fixed(*row.ratio(), 2) : "-") << " | " << target << " | "
            << (row.met() ? (*row.met() ? "yes" : "NO") : "-") << " |\n";
    }
    for (const Row &row : r.rows)
        if (!row.note.empty())
            out << "\n- " << row.name << ": " << row.note << ".";
    for (const std::string &note : r.notes)
        out << "\n- " << note;
    out << "\n";
    return out.str();
}

std::string asJson(const Results &r)
{
    std::ostringstream out;
    out << "{\n  \"store\": " << jsonText(r.header) << ",\n  \"rows\": [\n";
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        const Row &row = r.rows[i];
        out << "    {\"operation\": " << jsonText(row.name) << ", \"unit\": " << jsonText(row.unit)
            << ", \"ours\": " << fixed(row.ours, 6) << ", \"tool\": " << jsonText(row.tool)
            << ", \"tool_value\": " << (row.toolValue ? fixed(*row.toolValue, 6) : "null")
            << ", \"ours_lowest\": " << (row.oursSpread ? fixed(row.oursSpread->lowest, 6) : "null")
            << ", \"ours_highest\": " << (row.oursSpread ? fixed(row.oursSpread->highest, 6) : "null")
            << ", \"tool_lowest\": " << (row.toolSpread ? fixed(row.toolSpread->lowest, 6) : "null")
            << ", \"tool_highest\": " << (row.toolSpread ? fixed(row.toolSpread->highest, 6) : "null")
            << ", \"ratio\": " << (row.ratio() ? fixed(*row.ratio(), 4) : "null")
            << ", \"target\": " << (row.target ? fixed(*row.target, 4) : "null")
            << ", \"met\": " << (row.met() ? (*row.met() ? "true" : "false") : "null")
            << ", \"note\": " << jsonText(row.note) << "}" << (i + 1 < r.rows.size() ? "," : "") << "\n";
    }
    out << "  ],\n  \"notes\": [";
    for (std::size_t i = 0; i < r.notes.size(); ++i)
        out << (i ? ", " : "") << jsonText(r.notes[i]);
    out << "]\n}\n";
    return out.str();
}

} // namespace rnx10::bench
