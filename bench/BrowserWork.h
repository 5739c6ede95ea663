// The browser's store work through its own core functions, as its window runs them: the scan of
// one day (with the computer folder's size) and the archive-list fill of one hour.
#pragma once

#include "SyntheticStore.h"

#include <cstddef>
#include <memory>
#include <string>

namespace rnx10 {
class clsRNX10A;
}

namespace rnx10::bench {

// Points the store and locker keys at the benchmark's folders and holds the thread's service set
// (through one instance of the public class) for as long as it lives.
class BrowserSetting {
public:
    BrowserSetting(const Store &store, const std::string &locker);
    ~BrowserSetting();

private:
    std::unique_ptr<clsRNX10A> m_instance;
};

// scanStore for the store's sample day; raises when the scan stops. Returns the hours.
std::size_t scanDay(const Store &store);

// fillArchiveList for the sample hour; raises when the fill stops. Returns the rows.
std::size_t fillHour(const Store &store);

// The report file of the whole store, as the report button writes it.
void writeReport(const Store &store, const std::string &file);

} // namespace rnx10::bench
