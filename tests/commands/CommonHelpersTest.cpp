#include "store/SizeText.h"
#include "common/GeneralDate.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

using namespace rnx10;

namespace {

constexpr double MiB = 1048576.0;

// Sets the user's locale for a scope.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) : m_saved(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

struct SizeCase {
    double bytes;
    const char *text;    // BytesToMBText with "." as separator
    const char *rounded; // what callers show before " MB"
};

class SizeText : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeText, FifteenDigitsUnroundedAndRoundedHalfToEven)
{
    const SizeCase &c = GetParam();
    LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(BytesToMBText(c.bytes), c.text);
    EXPECT_EQ(roundedMegabytes(static_cast<std::uint64_t>(c.bytes)), c.rounded);
}

INSTANTIATE_TEST_SUITE_P(Table, SizeText,
                         ::testing::Values(SizeCase{0, "0", "0"}, SizeCase{MiB, "1", "1"},
                                           SizeCase{3 * MiB, "3", "3"},
                                           SizeCase{1000000, "0.95367431640625", "1"},
                                           SizeCase{1.5 * MiB, "1.5", "2"}, SizeCase{2.5 * MiB, "2.5", "2"},
                                           SizeCase{3.5 * MiB, "3.5", "4"}, SizeCase{524287, "0.499999046325684", "0"},
                                           SizeCase{524288, "0.5", "0"}, SizeCase{1, "9.5367431640625E-07", "0"},
                                           SizeCase{1152921504606846976.0, "1099511627776", "1099511627776"}),
                         [](const auto &info) { return "bytes" + std::to_string(static_cast<std::uint64_t>(info.param.bytes)); });

TEST(SizeText, UsesTheLocalesDecimalSeparatorWhateverTheCLibrarySays)
{
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(BytesToMBText(2.5 * MiB), "2,5");
    EXPECT_EQ(BytesToMBText(1000000), "0,95367431640625");
    EXPECT_EQ(roundedMegabytes(static_cast<std::uint64_t>(2.5 * MiB)), "2");
    EXPECT_EQ(roundedMegabytes(static_cast<std::uint64_t>(3.5 * MiB)), "4");
    EXPECT_EQ(roundedMegabytes(1000000), "1");
}

struct DateCase {
    QLocale locale;
    QDateTime when;
    const char *text;
};

class GeneralDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(GeneralDate, ShortDateWithFullYearThenLongTimeAndMidnightAlone)
{
    LocaleScope scope(GetParam().locale);
    EXPECT_EQ(generalDateText(GetParam().when), GetParam().text);
}

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralDate,
    ::testing::Values(DateCase{kUs, QDateTime(QDate(2009, 5, 7), QTime(21, 5, 10)), "5/7/2009 9:05:10 PM"},
                      DateCase{kUs, QDateTime(QDate(2009, 5, 7), QTime(0, 0, 0, 250)), "5/7/2009"},
                      DateCase{kUs, QDateTime(QDate(2009, 5, 7), QTime(0, 0, 1)), "5/7/2009 12:00:01 AM"},
                      DateCase{kGerman, QDateTime(QDate(2009, 5, 7), QTime(21, 5, 10)), "07.05.2009 21:05:10"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

// The locale's own words in a time format: its quoted text and its AM/PM texts.
QString ownWords(const QLocale &locale)
{
    QString words = locale.amText() + locale.pmText();
    const QStringList parts = locale.timeFormat(QLocale::LongFormat).split(QLatin1Char('\''));
    for (int i = 1; i < parts.size(); i += 2)
        words += parts[i];
    return words;
}

TEST(GeneralDate, TheTimeHasNoDebrisOfTheZoneOrOfUnknownLettersInAnyLocale)
{
    static const QRegularExpression emptyBrackets(QStringLiteral("[(\\[{\\x{FF08}]\\s*[)\\]}\\x{FF09}]"));
    static const QRegularExpression looseEnd(QStringLiteral("^[\\s,;\\x{060C}\\x{FF0C}]|[\\s,;\\x{060C}\\x{FF0C}]$"));
    static const QRegularExpression latinLetter(QStringLiteral("[A-Za-z]"));
    const QDate day(2009, 5, 7);
    int checked = 0;
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        LocaleScope scope(locale);
        const QString date = QString::fromStdString(generalDateText(QDateTime(day, QTime(0, 0))));
        const QString words = ownWords(locale);
        for (const QTime time : {QTime(9, 5, 10), QTime(21, 5, 10)}) {
            const QString text = QString::fromStdString(generalDateText(QDateTime(day, time)));
            SCOPED_TRACE(locale.name().toStdString() + ": " + text.toStdString());
            ASSERT_TRUE(text.startsWith(date + QLatin1Char(' ')));
            const QString clock = text.mid(date.size() + 1);
            EXPECT_FALSE(clock.contains(emptyBrackets));
            EXPECT_FALSE(clock.contains(looseEnd));
            EXPECT_FALSE(clock.contains(QStringLiteral("  ")));
            // A Latin letter in the time is one of the locale's own words, never a format letter
            // left as it was (the zone's "t", a day period "B" the formatter does not know).
            for (const QChar c : clock)
                if (QString(c).contains(latinLetter))
                    EXPECT_TRUE(words.contains(c, Qt::CaseInsensitive)) << "stray letter " << c.toLatin1();
        }
        ++checked;
    }
    EXPECT_GT(checked, 100) << "Qt knows fewer locales than expected";
}

} // namespace
