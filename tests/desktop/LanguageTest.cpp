// Every window in the user's language: German and Hebrew from their translations, Hebrew laid out
// right to left; English, verbatim, for a language without a translation. Accelerators stay unique
// in each window and menu. Screenshots of each window in each language go to screenshots/.
#include "DesktopWindows.h"
#include "ShownTexts.h"

#include "recovery/VersionsWindow.h"
#include "thinning/frmThinArchives.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/Application.h"
#include "support/Appearance.h"
#include "support/BrowserFixture.h"
#include "support/TsFile.h"

#include <QApplication>
#include <QDate>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// The languages with a translation, as LANG gives them.
std::vector<std::string> translatedLanguages()
{
    std::vector<std::string> languages;
    for (const QString &l : QStringLiteral(RNX10_LANGUAGES).split(QLatin1Char(',')))
        languages.push_back(l.toStdString());
    return languages;
}

// Texts a translator kept as they are in English ("Name", "%1 Bytes"): the entries of the
// language's file whose translation is their source, as patterns with any value for %1...
std::vector<QRegularExpression> keptAsTheyAre(const std::string &language)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
    std::vector<QRegularExpression> kept;
    for (const TsMessage &m : shippedTranslation(language)) {
        if (!m.translations.contains(m.source))
            continue;
        QString pattern;
        qsizetype at = 0;
        for (auto it = placeholder.globalMatch(m.source); it.hasNext();) {
            const auto match = it.next();
            pattern += QRegularExpression::escape(m.source.mid(at, match.capturedStart() - at)) + QStringLiteral(".*");
            at = match.capturedEnd();
        }
        pattern += QRegularExpression::escape(m.source.mid(at));
        kept.emplace_back(QRegularExpression::anchoredPattern(pattern), QRegularExpression::DotMatchesEverythingOption);
    }
    return kept;
}

// A date written in the user's locale (the calendar's tool tip): its words are the locale's.
bool isLocaleDate(const std::string &text)
{
    return QDate::fromString(QString::fromStdString(text), QStringLiteral("ddd, dd-MMM-yyyy")).isValid();
}

// Shown as they are in every language: the data the windows show (paths, file names, numbers) and
// the names of the suite's products.
bool isData(const std::string &text)
{
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
    static const QRegularExpression path(QStringLiteral("^[^ ]*[/.][^ ]*$"));
    static const QRegularExpression names(QStringLiteral("^(BRINDLEX|Lumora|Veska|MW|KEV|QRS)$"));
    const QString t = QString::fromStdString(text).trimmed();
    return !t.contains(words) || t.contains(path) || t.contains(names) || isLocaleDate(text);
}

// The texts shown in English where the translation should have shown its own.
std::vector<std::string> untranslated(const std::vector<ShownText> &english, const std::vector<ShownText> &other,
                                      const std::string &language)
{
    if (english.size() != other.size())
        return {"the windows show " + std::to_string(other.size()) + " texts against " + std::to_string(english.size()) + " in English"};
    const std::vector<QRegularExpression> kept = keptAsTheyAre(language);
    const auto isKept = [&](const std::string &text) {
        const QString t = QString::fromStdString(text);
        return std::any_of(kept.begin(), kept.end(), [&](const QRegularExpression &k) { return k.match(t).hasMatch(); });
    };
    std::vector<std::string> found;
    for (std::size_t i = 0; i < english.size(); ++i)
        if (english[i].group != "direction" && english[i].text == other[i].text && !isData(english[i].text) &&
            !isKept(english[i].text))
            found.push_back(english[i].window + " " + english[i].group + ": " + english[i].text);
    return found;
}

// A path cut to fit its panel: where it is cut depends on the scratch folder's letters.
bool isCutPath(const std::string &text) { return text.find("\u2026") != std::string::npos && text.find('/') != std::string::npos; }

// The texts that differ between two showings of the same windows, but for dates in the locale and
// cut paths.
std::vector<std::string> differences(const std::vector<ShownText> &a, const std::vector<ShownText> &b)
{
    std::vector<std::string> found;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || (!(a[i] == b[i]) && !isLocaleDate(a[i].text) && !isCutPath(a[i].text)))
            found.push_back((i < a.size() ? a[i].window + " " + a[i].text : "-") + " | " + (i < b.size() ? b[i].window + " " + b[i].text : "-"));
    return found;
}

// Where the translation gives two captions of one window or menu the same accelerator letter
// and the English captions there all have letters of their own.
std::vector<std::string> newlyRepeatedAccelerators(const std::vector<ShownText> &english, const std::vector<ShownText> &other)
{
    const auto before = repeatedAccelerators(english);
    std::vector<std::string> found;
    for (const auto &[where, captions] : repeatedAccelerators(other))
        if (!before.contains(where))
            found.push_back(where + ": " + captions);
    return found;
}

// Collected in the child: the windows' texts, the layout direction, and a screenshot of each.
void collectWindow(std::vector<ShownText> &texts, QWidget *window, const std::string &name)
{
    window->show();
    QCoreApplication::processEvents();
    const auto shown = shownTexts(window);
    texts.insert(texts.end(), shown.begin(), shown.end());
    const char *lang = std::getenv("LANG");
    writeScreenshot(window, std::string("language-") + (lang ? lang : "C") + "-" + name);
}

// Each child has a scratch installation of its own: its folder is written ROOT.
std::vector<ShownText> withoutRoot(std::vector<ShownText> texts, const std::string &root)
{
    for (ShownText &t : texts)
        t.text = QString::fromStdString(t.text).replace(QString::fromStdString(root), QStringLiteral("ROOT")).toStdString();
    return texts;
}

void collectDirection(std::vector<ShownText> &texts)
{
    texts.push_back({"application", "direction",
                     QApplication::layoutDirection() == Qt::RightToLeft ? "right-to-left" : "left-to-right"});
}

void expectTranslations(const std::vector<ShownText> &english, const std::function<std::vector<ShownText>()> &collect)
{
    ASSERT_GT(english.size(), 20u);
    EXPECT_EQ(asLines(differences(english, shownTextsIn("fr_FR.UTF-8", collect))), "") << "a language without a translation shows English";
    for (const std::string &language : translatedLanguages()) {
        const auto translated = shownTextsIn(language.c_str(), collect);
        EXPECT_EQ(asLines(untranslated(english, translated, language)), "") << language;
        EXPECT_EQ(asLines(newlyRepeatedAccelerators(english, translated)), "") << language;
        ASSERT_FALSE(translated.empty());
        const bool rightToLeft = language == "he" || language == "ar" || language == "fa";
        EXPECT_EQ(translated.back().text, rightToLeft ? "right-to-left" : "left-to-right") << language;
    }
}

using DesktopLanguages = DesktopFixture;

TEST_F(DesktopLanguages, DialogsShowTheUsersLanguageOrEnglishVerbatim)
{
    const auto collect = [this] {
        ensureApplication(); // as every command does before its window: the language is installed there
        std::vector<ShownText> texts;
        for (const DesktopWindow &w : desktopWindows()) {
            auto window = w.make();
            collectWindow(texts, window.get(), w.name);
        }
        collectDirection(texts);
        return withoutRoot(texts, inst.root());
    };
    const auto english = shownTextsIn("C", collect);
    EXPECT_NE(std::find(english.begin(), english.end(), ShownText{"frmMaintainceA", "window", "Delete Log files..."}), english.end());
    expectTranslations(english, collect);
}

class BrowserLanguages : public BrowserFixture {};

TEST_F(BrowserLanguages, TheBrowserAndItsWindowsShowTheUsersLanguageOrEnglishVerbatim)
{
    const std::string source = inst.home() + "/docs";
    makeFolders(source);
    writeFile(source + "/extra.txt", "only in the current folder");
    store.archive(store.hour("09-00"), "arch", source, {}, {{"letters/report.odt", "one"}});
    const auto collect = [this] {
        std::vector<ShownText> texts;
        if (!open())
            return texts;
        pickHour("09-00");
        clickRow(0);
        trigger("mnuPopUpFindFiles");
        trigger("mnuPopUpCompare");
        collectWindow(texts, m_window, "browser");
        for (const char *name : {"frmFindFiles", "frmCompare"})
            if (auto *window = m_window->findChild<QWidget *>(QString::fromLatin1(name)))
                collectWindow(texts, window, name);
            else
                texts.push_back({name, "window", "missing"});
        VersionsWindow versions(store.computer());
        collectWindow(texts, &versions, "versions");
        frmThinArchives thin(nullptr, store.computer());
        collectWindow(texts, &thin, "thin");
        collectDirection(texts);
        return withoutRoot(texts, inst.root());
    };
    const auto english = shownTextsIn("C", collect);
    EXPECT_NE(std::find(english.begin(), english.end(), ShownText{"frmBackUpRestoreA", "menu mnupopupmenu", "&Find Files..."}),
              english.end());
    expectTranslations(english, collect);
}

} // namespace
