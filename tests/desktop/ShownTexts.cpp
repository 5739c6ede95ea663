#include "ShownTexts.h"

#include "support/ScopedLanguage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <unistd.h>

namespace rnx10::test {

namespace {

void add(std::vector<ShownText> &texts, const std::string &window, const std::string &group, const QString &text)
{
    if (!text.trimmed().isEmpty())
        texts.push_back({window, group, text.toStdString()});
}

void addControl(std::vector<ShownText> &texts, const std::string &window, QWidget *w)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        add(texts, window, "window", button->text());
    else if (auto *label = qobject_cast<QLabel *>(w))
        add(texts, window, "window", label->text());
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        add(texts, window, "window", box->title());
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        add(texts, window, "window", edit->placeholderText());
    else if (auto *tabs = qobject_cast<QTabBar *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            add(texts, window, "window", tabs->tabText(i));
    else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model())
        for (int c = 0; c < view->model()->columnCount(); ++c)
            add(texts, window, "headers", view->model()->headerData(c, Qt::Horizontal).toString());
    add(texts, window, "tips", w->toolTip());
    add(texts, window, "names", w->accessibleName());
    // A menu without a name is a part of a Qt control (the calendar's months): its texts are the locale's.
    if (auto *menu = qobject_cast<QMenu *>(w); menu && !menu->objectName().isEmpty()) {
        const std::string group = "menu " + menu->objectName().toStdString();
        add(texts, window, group, menu->title());
        for (QAction *action : menu->actions())
            add(texts, window, group, action->text());
    }
}

// The character after a lone '&', lower-cased; none for "&&" or no marker.
std::optional<QChar> accelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return std::nullopt;
}

bool insideCalendar(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QCalendarWidget *>(p))
            return true;
    return false;
}

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

std::string unescaped(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::vector<ShownText> shownTexts(QWidget *window)
{
    std::vector<ShownText> texts;
    const std::string name = window->objectName().toStdString();
    add(texts, name, "window", window->windowTitle());
    addControl(texts, name, window);
    // Its own controls and menus; a window of its own inside it (a dialog it opened) is apart, and
    // the parts of a calendar are Qt's, in the locale's words.
    for (QWidget *w : window->findChildren<QWidget *>())
        if (!insideCalendar(w) && (w->window() == window || (qobject_cast<QMenu *>(w) && w->parentWidget() && w->parentWidget()->window() == window)))
            addControl(texts, name, w);
    return texts;
}

std::vector<ShownText> shownTextsIn(const char *locale, const std::function<std::vector<ShownText>()> &collect)
{
    // Named alike in the child, which runs this test again from its start.
    const std::string file = ::testing::TempDir() + "shown-texts-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + locale;
    {
        const ScopedLanguage language(locale); // the child starts from this process's environment
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(
            {
                std::ofstream out(file);
                for (const ShownText &t : collect())
                    out << escaped(t.window) << '\t' << escaped(t.group) << '\t' << escaped(t.text) << '\n';
                out.close();
                std::exit(out ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }
    std::vector<ShownText> texts;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const auto a = line.find('\t'), b = line.find('\t', a + 1);
        texts.push_back({unescaped(line.substr(0, a)), unescaped(line.substr(a + 1, b - a - 1)), unescaped(line.substr(b + 1))});
    }
    // Kept: the child of a later language runs this test again up to its own turn and reads the
    // earlier languages' texts from these files, so it takes the same path to it.
    return texts;
}

std::map<std::string, std::string> repeatedAccelerators(const std::vector<ShownText> &texts)
{
    std::map<std::string, std::map<QChar, QStringList>> used;
    for (const ShownText &t : texts) {
        if (t.group != "window" && !t.group.starts_with("menu "))
            continue;
        const QString text = QString::fromStdString(t.text);
        if (const auto key = accelerator(text))
            used[t.group + " " + t.window][*key] << text;
    }
    std::map<std::string, std::string> repeated;
    for (const auto &[where, keys] : used)
        for (const auto &[key, captions] : keys)
            if (captions.size() > 1)
                repeated[where] += captions.join(QStringLiteral(", ")).toStdString() + "; ";
    return repeated;
}

} // namespace rnx10::test
