// A translation file as the tests read it: each message's context, English text and translation.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace rnx10::test {

struct TsMessage {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;              // the translation's type attribute: "", "unfinished", "vanished"...
    QStringList translations;  // one, or one per plural form
};

// The messages of the .ts file at path; none when it cannot be read.
std::vector<TsMessage> readTsFile(const QString &path);

} // namespace rnx10::test
