// A synthetic backup store in the store layout: <root>/<computer>/<year>/<month>/<day>/<hour>/<archive>/
// holding details.ini and the backed-up copy (files, a sub-folder, a link).
#pragma once

#include <cstdint>
#include <string>

namespace rnx10::bench {

struct StoreShape {
    std::uint64_t files = 200000; // regular files, about; spread over three years of days, a few hours a day
    int firstYear = 2023;
    int years = 3;
    int archivesPerHour = 3;
    int filesPerArchive = 30; // details.ini, one link, the rest data files
};

struct Store {
    std::string root;
    std::string computer;   // root/<computer>
    std::string sampleDay;  // a day folder that holds hours
    std::string sampleHour; // the first hour of that day
    int year = 0, month = 0, day = 0;
    std::uint64_t files = 0, folders = 0, links = 0, bytes = 0;
};

// Builds the store below root (which must not exist yet).
Store buildStore(const std::string &root, const StoreShape &shape);

} // namespace rnx10::bench
