// Runs the installed-style rnx10-store of the build tree as a separate process.
#pragma once

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace rnx10::test {

struct StoreToolRun {
    int exitCode = -1;
    std::string out, err;
};

// arguments as raw bytes (a name that is not UTF-8 passes unchanged); the process environment is
// the test's own, so an Installation's keys reach it.
inline StoreToolRun runStoreTool(const std::vector<std::string> &arguments)
{
    const char *dir = std::getenv("RNX10_BINARY_DIR");
    QStringList list;
    for (const std::string &a : arguments)
        list << QFile::decodeName(QByteArray::fromStdString(a));
    QProcess tool;
    tool.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    tool.start(QString::fromUtf8(dir ? dir : ".") + "/bin/rnx10-store", list);
    EXPECT_TRUE(tool.waitForFinished(120000)) << tool.errorString().toStdString();
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    return {tool.exitCode(), tool.readAllStandardOutput().toStdString(), tool.readAllStandardError().toStdString()};
}

} // namespace rnx10::test
