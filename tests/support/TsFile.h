// A translation file as the tests read it: each message's context, English text and translation.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
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

// The messages of the source tree's translation into language ("de").
std::vector<TsMessage> shippedTranslation(const std::string &language);

// The translation of source in context, in language; its first form when it has plural forms.
std::string translationOf(const std::string &language, const char *context, const char *source);

} // namespace rnx10::test
