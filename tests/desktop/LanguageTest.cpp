// Every window in the user's language: German and Hebrew from their translations, Hebrew laid out
// right to left; English, verbatim, for a language without a translation. Accelerators stay unique
// in each window and menu. Screenshots of each window in each language go to screenshots/.
#include "DesktopWindows.h"
#include "ShownTexts.h"

#include "backup_browser/VersionsWindow.h"
#include "backup_browser/frmThinArchives.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/Appearance.h"
#include "support/BrowserFixture.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// One item a line, for a failure message that shows every item.
std::string lines(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += item + "\n";
    return text;
}

// The languages with a translation, as LANG gives them.
std::vector<std::string> translatedLanguages()
{
    std::vector<std::string> languages;
    for (const QString &l : QStringLiteral(RNX10_LANGUAGES).split(QLatin1Char(',')))
        languages.push_back(l.toStdString());
    return languages;
}

// Shown as they are in every language: names, and the data the windows show.
bool sameInEveryLanguage(const std::string &text)
{
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
    static const QRegularExpression data(QStringLiteral("^[^ ]*[/.][^ ]*$|^Zorvane|^RNX|^ZV[A-Z0-9]+$"));
    const QString t = QString::fromStdString(text);
    return !t.contains(words) || t.contains(data);
}

// The texts shown in English where the translation should have shown its own.
std::vector<std::string> untranslated(const std::vector<ShownText> &english, const std::vector<ShownText> &other)
{
    if (english.size() != other.size())
        return {"the windows show " + std::to_string(other.size()) + " texts against " + std::to_string(english.size()) + " in English"};
    std::vector<std::string> found;
    for (std::size_t i = 0; i < english.size(); ++i)
        if (english[i].group != "direction" && english[i].text == other[i].text && !sameInEveryLanguage(english[i].text))
            found.push_back(english[i].window + " " + english[i].group + ": " + english[i].text);
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

void collectDirection(std::vector<ShownText> &texts)
{
    texts.push_back({"application", "direction",
                     QApplication::layoutDirection() == Qt::RightToLeft ? "right-to-left" : "left-to-right"});
}

void expectTranslations(const std::vector<ShownText> &english, const std::function<std::vector<ShownText>()> &collect)
{
    ASSERT_GT(english.size(), 20u);
    EXPECT_EQ(shownTextsIn("fr_FR.UTF-8", collect), english) << "a language without a translation shows English";
    for (const std::string &language : translatedLanguages()) {
        const auto translated = shownTextsIn(language.c_str(), collect);
        EXPECT_EQ(lines(untranslated(english, translated)), "") << language;
        EXPECT_EQ(lines(newlyRepeatedAccelerators(english, translated)), "") << language;
        ASSERT_FALSE(translated.empty());
        const bool rightToLeft = language == "he" || language == "ar" || language == "fa";
        EXPECT_EQ(translated.back().text, rightToLeft ? "right-to-left" : "left-to-right") << language;
    }
}

using DesktopLanguages = DesktopFixture;

TEST_F(DesktopLanguages, DialogsShowTheUsersLanguageOrEnglishVerbatim)
{
    const auto collect = [] {
        std::vector<ShownText> texts;
        for (const DesktopWindow &w : desktopWindows()) {
            auto window = w.make();
            collectWindow(texts, window.get(), w.name);
        }
        collectDirection(texts);
        return texts;
    };
    const auto english = shownTextsIn("C", collect);
    EXPECT_NE(std::find(english.begin(), english.end(), ShownText{"frmMaintainceA", "window", "Maintaince..."}), english.end());
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
        return texts;
    };
    const auto english = shownTextsIn("C", collect);
    EXPECT_NE(std::find(english.begin(), english.end(), ShownText{"frmBackUpRestoreA", "menu mnupopupmenu", "&Find Files..."}),
              english.end());
    expectTranslations(english, collect);
}

} // namespace
