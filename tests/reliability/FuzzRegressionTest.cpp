// Inputs the fuzz targets found, kept so the faults stay fixed.
#include "automation/AutomationError.h"
#include "services/IniFile.h"
#include "services/IniText.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct Write {
    const char *name, *section, *key, *value;
};

// Each write must read back as written, and writing it again must change nothing.
TEST(FuzzRegression, IniWritesReadBackAndAreIdempotent)
{
    const Write cases[] = {
        {"section with a leading tab", "\tBackup", "LastTaken", "10/12/2026 09:00"},
        {"key with blanks around it", "Backup", "  LastTaken ", "x"},
        {"value with blanks around it", "Backup", "LastTaken", "  spaced  "},
    };
    ScratchDir dir;
    for (const Write &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir / "bar.ini";
        writeFile(path, "[DETAILS]\nSourceDir=/home/ann\n");
        const std::string once = IniText::setValue(readFile(path), c.section, c.key, c.value);
        EXPECT_EQ(IniText::setValue(once, c.section, c.key, c.value), once);
        IniFile::write(path, c.section, c.key, c.value);
        EXPECT_EQ(readFile(path), once);
    }
}

TEST(FuzzRegression, IniKeysThatWouldReadBackAsACommentOrSectionAreRefused)
{
    for (const char *key : {";;;", "#x", "[Other]", "  ;k"}) {
        SCOPED_TRACE(key);
        expectError(5, [&] { IniText::setValue("[Backup]\n", "Backup", key, "v"); });
    }
}

} // namespace
