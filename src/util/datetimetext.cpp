#include "util/datetimetext.h"

#include <QLocale>
#include <QRegularExpression>

namespace harbex {
namespace {

QString g_shortDate;
QString g_time;

bool IsPlainCLocale(const QLocale& locale) {
    return locale.language() == QLocale::C || locale.name() == QStringLiteral("C");
}

QString WithoutTimeZone(QString format) {
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return format.trimmed();
}

QList<int> NumberGroups(const QString& text) {
    QList<int> numbers;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    auto it = digits.globalMatch(text);
    while (it.hasNext()) {
        const QString group = it.next().captured();
        if (group.size() > 4) return {};
        numbers << group.toInt();
    }
    return numbers;
}

}  // namespace

QString ShortDateFormat() {
    if (!g_shortDate.isEmpty()) return g_shortDate;
    const QLocale locale = QLocale::system();
    if (IsPlainCLocale(locale)) return QStringLiteral("dd/MM/yyyy");
    return locale.dateFormat(QLocale::ShortFormat);
}

QString TimeFormat() {
    if (!g_time.isEmpty()) return g_time;
    const QLocale locale = QLocale::system();
    if (IsPlainCLocale(locale)) return QStringLiteral("HH:mm:ss");
    return WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

void SetUserFormats(const QString& shortDate, const QString& time) {
    g_shortDate = shortDate;
    g_time = time;
}

QString DateText(const QDate& date) {
    return QLocale::c().toString(date, ShortDateFormat());
}

QString StoredDateText(const QDate& date) {
    QString format = ShortDateFormat();
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return QLocale::c().toString(date, format);
}

QString TimeText(const QTime& time) {
    return QLocale::c().toString(time, TimeFormat());
}

std::optional<QDate> ParseDateText(const QString& text) {
    const QList<int> numbers = NumberGroups(text);
    if (numbers.size() != 3) return std::nullopt;
    // Order of the fields as the short date format lists them.
    const QString format = ShortDateFormat();
    const qsizetype dayAt = format.indexOf(u'd');
    const qsizetype monthAt = format.indexOf(u'M');
    const qsizetype yearAt = format.indexOf(u'y');
    if (dayAt < 0 || monthAt < 0 || yearAt < 0) return std::nullopt;
    QList<std::pair<qsizetype, char>> order = {{dayAt, 'd'}, {monthAt, 'M'}, {yearAt, 'y'}};
    std::sort(order.begin(), order.end());
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        switch (order[i].second) {
            case 'd':
                day = numbers[i];
                break;
            case 'M':
                month = numbers[i];
                break;
            default:
                year = numbers[i];
                break;
        }
    }
    if (year < 100) year += 2000;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::optional<QTime> ParseTimeText(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})[:.](\\d{1,2})(?:[:.](\\d{1,2})(?:[.,](\\d{1,3}))?)?\\s*(am|"
                       "pm|AM|PM)?\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    // A fraction of a second is accepted but dropped: every time the program stores or shows
    // has whole seconds, so a kept fraction would be lost silently at the next save.
    const QString half = match.captured(5).toLower();
    if (!half.isEmpty()) {
        if (hours < 1 || hours > 12) return std::nullopt;
        if (half == u"pm" && hours != 12) hours += 12;
        if (half == u"am" && hours == 12) hours = 0;
    }
    const QTime time(hours, minutes, seconds);
    if (!time.isValid()) return std::nullopt;
    return time;
}

}  // namespace harbex
