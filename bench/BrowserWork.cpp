#include "BrowserWork.h"

#include "store/ArchiveList.h"
#include "store/StoreReport.h"
#include "store/StoreScan.h"
#include "component/clsRNX10A.h"
#include "platform/FileSystemObject.h"

#include <cstdlib>
#include <stdexcept>

namespace rnx10::bench {

BrowserSetting::BrowserSetting(const Store &store, const std::string &locker)
{
    ::setenv("ZVENVSBAK", store.root.c_str(), 1);
    ::setenv("ZVENVSFAM", locker.c_str(), 1);
    m_instance = std::make_unique<clsRNX10A>();
}

BrowserSetting::~BrowserSetting() = default;

std::size_t scanDay(const Store &store)
{
    FileSystemObject fso;
    ScanResult r = scanStore(fso, store.year, store.month, store.day);
    if (r.error)
        throw *r.error;
    return r.hours.size();
}

std::size_t fillHour(const Store &store)
{
    std::string hour = store.sampleHour.substr(store.sampleDay.size() + 1);
    FileSystemObject fso;
    ArchiveListResult r = fillArchiveList(fso, store.sampleDay, hour);
    if (r.error)
        throw *r.error;
    return r.rows.size();
}

void writeReport(const Store &store, const std::string &file) { writeStoreReport(store.root, file); }

} // namespace rnx10::bench
