// Names of the suite's environment keys, as the runtime service and the process environment know them.
#pragma once

namespace rnx10::envkey {
inline constexpr const char *ProgramRoot = "ZVENVSYS32MASK";
inline constexpr const char *Store = "ZVENVSBAK";
inline constexpr const char *Locker = "ZVENVSFAM";
inline constexpr const char *Logs = "ZVENVSLOGS";
inline constexpr const char *SuiteTemp = "ZVENVSTMP";
inline constexpr const char *DownloadsPage = "ZVENVSTRDNWEB";
inline constexpr const char *BuyPage = "ZVENVSTRBUY";
inline constexpr const char *BrindlexPage = "ZVENVSTRBRINDLEX";
// Read from the process environment only.
inline constexpr const char *ComputerReportName = "ZVENVSCOM";
inline constexpr const char *UserTemp = "TEMP";

// The kind of lookup every EnvironGet call makes: the suite's environment.
inline constexpr short kSuiteEnvironment = 2;
} // namespace rnx10::envkey
