// The shipped translations cover every text the sources hand to the translation functions, leave
// none unfinished, and keep each text's placeholders (%1...) and its accelerator.
#include "support/TestSupport.h"
#include "support/TsFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rnx10::test;

namespace {

const QString kSourceDir = QStringLiteral(RNX10_SOURCE_DIR);
const QStringList kLanguages = QStringLiteral(RNX10_LANGUAGES).split(QLatin1Char(','));

QString key(const TsMessage &m) { return m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment; }

QSet<QString> keys(const std::vector<TsMessage> &messages)
{
    QSet<QString> set;
    for (const TsMessage &m : messages)
        set.insert(key(m));
    return set;
}

std::vector<std::string> sorted(const QSet<QString> &set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    std::vector<std::string> out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9]"));
    QSet<QString> found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured().remove(QLatin1Char('L')));
    return found;
}

// The number of lone '&' markers ("&&" is a literal ampersand).
int accelerators(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&'))
            text[i + 1] == QLatin1Char('&') ? void(++i) : void(++n);
    return n;
}

std::vector<TsMessage> shipped(const QString &language) { return shippedTranslation(language.toStdString()); }

// What the translation tool finds in the sources now, as the build's update target collects it.
std::vector<TsMessage> extracted()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(RNX10_LUPDATE),
                  {QStringLiteral("-tr-function-alias"), QStringLiteral("translate+=tx"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"), kSourceDir + QStringLiteral("/src"),
                   kSourceDir + QStringLiteral("/src"), kSourceDir + QStringLiteral("/tools"), QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        ADD_FAILURE() << "lupdate: " << lupdate.readAll().toStdString();
        return {};
    }
    return readTsFile(ts);
}

TEST(TranslationFiles, EveryTextInTheSourcesIsInEachLanguageAndNothingElse)
{
    const QSet<QString> inSources = keys(extracted());
    ASSERT_GT(inSources.size(), 100);
    for (const QString &language : kLanguages) {
        const QSet<QString> inFile = keys(shipped(language));
        EXPECT_EQ(asLines(sorted(inSources - inFile)), "") << language.toStdString() << ": texts without a translation entry";
        EXPECT_EQ(asLines(sorted(inFile - inSources)), "") << language.toStdString() << ": entries no source uses";
    }
}

TEST(TranslationFiles, EveryTranslationIsFinishedAndKeepsPlaceholdersAndAccelerators)
{
    for (const QString &language : kLanguages) {
        const auto messages = shipped(language);
        ASSERT_FALSE(messages.empty()) << language.toStdString();
        std::vector<std::string> faults;
        for (const TsMessage &m : messages) {
            const std::string where = language.toStdString() + " " + key(m).toStdString() + ": ";
            if (!m.type.isEmpty())
                faults.push_back(where + m.type.toStdString());
            if (m.translations.isEmpty())
                faults.push_back(where + "no translation");
            for (const QString &t : m.translations) {
                if (t.isEmpty())
                    faults.push_back(where + "empty form");
                if (placeholders(t) != placeholders(m.source))
                    faults.push_back(where + "placeholders differ in \"" + t.toStdString() + "\"");
                if (accelerators(t) != accelerators(m.source))
                    faults.push_back(where + "accelerator count differs in \"" + t.toStdString() + "\"");
                if (t.contains(QLatin1String("%n")) && !m.source.contains(QLatin1String("%n")))
                    faults.push_back(where + "adds %n");
            }
            if (m.numerus && m.source.contains(QLatin1String("%n")) &&
                std::none_of(m.translations.begin(), m.translations.end(), [](const QString &t) { return t.contains(QLatin1String("%n")); }))
                faults.push_back(where + "no form shows the count");
        }
        EXPECT_EQ(asLines(faults), "");
    }
}

} // namespace
