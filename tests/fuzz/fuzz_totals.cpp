// The hours and wage texts: always four characters where they must be, readable back, and never
// a crash for any total, wage text or run of readings.
#include "domain/totals.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    namespace t = pw::totals;
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    if (size < sizeof(float) + 1 || size > 512)
        return 0;
    float minutes;
    std::memcpy(&minutes, data, sizeof minutes);
    const QString wageText = QString::fromUtf8(reinterpret_cast<const char *>(data + sizeof minutes), qsizetype(size - sizeof minutes));

    for (const QLocale &locale : locales) {
        const float hours = t::hoursOf(minutes);
        const QString text = t::hoursText(hours, locale);
        require(text.size() == 4);
        require(t::cardHoursText(hours, locale).size() == 4);
        const int hundredths = t::hundredthsOf(text, locale);
        if (!(hours >= 0.11f))
            require(hundredths == 0);

        const auto wage = t::readWage(wageText, locale);
        if (wage) {
            require(std::isfinite(*wage));
            const double estimate = t::wageEstimate(*wage, hundredths);
            const QString shown = t::wageText(estimate, locale);
            require(!shown.isEmpty());
            if (std::isfinite(estimate) && std::fabs(estimate) < 1e12) {
                const auto back = t::readWage(shown, locale);
                require(back.has_value());
                require(std::fabs(*back - estimate) <= 1e-9 * std::fmax(1.0, std::fabs(estimate)));
            }
        }
    }

    // Readings made of the input's bytes, paired by position.
    t::Pairing pairing;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const qint64 secs = qint64(data[i]) * 86400 * 37 + qint64(data[i + 1]) * 613;
        pairing.add(data[i] == 0 ? std::nullopt : pw::LocalDateTime::fromParts(1 + int(secs / 31536000 % 9000), 1, 1, 0, 0, 0));
    }
    require(pairing.unreadablePairs() >= 0);
    return 0;
}
