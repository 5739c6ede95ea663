// Programmatic identifiers of the suite's components.
#pragma once

namespace rnx10::progid {
inline constexpr const char *Runtime = "NODRAX11.clsNodrax11RunTimeA";
inline constexpr const char *IniFile = "NODRAX10.clsNodraxINIFileHandler1A";
inline constexpr const char *Debugger = "PELV10.clsPELVDebuggerA";
inline constexpr const char *StaticMessage = "NODRAX16.clsNodraxWUIStatic";
inline constexpr const char *Registry = "NODRAX10.clsNodraxRegHand2A";
inline constexpr const char *ScheduledTasks = "NODRAX10.clsNODRAXTasksA";
inline constexpr const char *FileSystem = "Scripting.FileSystemObject";
inline constexpr const char *Component = "rnx10.clsRNX10A";
} // namespace rnx10::progid
