#include "platform/Translation.h"

#include "automation/AutomationError.h"
#include "automation/StandardTexts.h"
#include "platform/LibraryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <mutex>

#ifndef RNX10_TRANSLATIONS_FROM_LIBRARY
#define RNX10_TRANSLATIONS_FROM_LIBRARY "../share/rnx10/translations"
#endif
#ifndef RNX10_DEFAULT_TRANSLATIONS
#define RNX10_DEFAULT_TRANSLATIONS "/usr/local/share/rnx10/translations"
#endif

namespace rnx10 {

namespace {

// The translation tools pick this text up; a right-to-left translation answers "RTL" to it, as
// Qt's own translations do.
const char *const kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// share/rnx10/translations beside the library; the configured place when it is not there.
std::string translationsFolder()
{
    const std::string beside = libraryFolder();
    if (!beside.empty()) {
        const QString folder = QDir::cleanPath(QString::fromStdString(beside + "/" RNX10_TRANSLATIONS_FROM_LIBRARY));
        if (QDir(folder).exists())
            return folder.toStdString();
    }
    return RNX10_DEFAULT_TRANSLATIONS;
}

// Loaded once per process, before any text is asked for; never unloaded (texts handed out stay
// valid and the application may hold it).
struct Translations {
    QTranslator component;
    QTranslator qt;
    bool componentLoaded = false;
    bool qtLoaded = false;

    Translations()
    {
        const QLocale locale = QLocale::system();
        componentLoaded = component.load(locale, QStringLiteral("rnx10"), QStringLiteral("_"),
                                         QString::fromStdString(translationsFolder()));
        // Qt's own texts only with ours: an English user keeps Qt's English buttons.
        if (componentLoaded)
            qtLoaded = qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
};

Translations &translations()
{
    // Never destroyed: an application still running at exit may hold its translators.
    static auto *loaded = new Translations;
    return *loaded;
}

} // namespace

std::string tx(const char *context, const char *text, const char *disambiguation, int n)
{
    Translations &t = translations();
    QString result;
    if (t.componentLoaded)
        result = t.component.translate(context, text, disambiguation, n);
    if (result.isNull())
        result = QString::fromUtf8(text);
    if (n >= 0)
        result.replace(QStringLiteral("%n"), QString::number(n));
    return result.toStdString();
}

std::string shownDescription(const AutomationError &error)
{
    const std::string &description = error.description();
    const char *text = err::standardText(error.number());
    if (!text)
        return description;
    const std::string_view standard = text;
    if (!description.starts_with(standard) ||
        (description.size() != standard.size() && description.compare(standard.size(), 2, ": ") != 0))
        return description;
    return tx("AutomationError", text) + description.substr(standard.size());
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < values.size()) {
                out.append(values.begin()[index]);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void installTranslations(QCoreApplication &app)
{
    static std::once_flag once;
    std::call_once(once, [&app] {
        Translations &t = translations();
        if (t.qtLoaded)
            app.installTranslator(&t.qt);
        if (!t.componentLoaded)
            return;
        app.installTranslator(&t.component);
        if (qobject_cast<QGuiApplication *>(&app) && tx("QGuiApplication", kLayoutDirection) == "RTL")
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    });
}

} // namespace rnx10
