// The stored date-time reader and the typed date-time parser: never crash, and whatever they read
// survives the trip back through the stored form and the general date format.
#include "platform/datetimecodec.h"
#include "platform/formats.h"
#include "platform/typeddatetime.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 256)
        return 0;
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::English, QLocale::UnitedKingdom)};
    const char *bytes = reinterpret_cast<const char *>(data);
    const QString text = QString::fromUtf8(bytes, qsizetype(size));

    // The byte reader and the text reader agree on ASCII input.
    const auto fromText = pw::LocalDateTime::fromStored(QStringView(text));
    const auto fromBytes = pw::LocalDateTime::fromStored(bytes, qsizetype(size));
    bool ascii = true;
    for (size_t i = 0; i < size; ++i)
        ascii = ascii && data[i] < 0x80;
    if (ascii)
        require(fromText.has_value() == fromBytes.has_value() && (!fromText || *fromText == *fromBytes));
    if (fromText) {
        const QString stored = fromText->toStored();
        require(stored.size() == 19);
        const auto again = pw::LocalDateTime::fromStored(QStringView(stored));
        require(again && *again == *fromText);
    }

    for (const QLocale &locale : locales) {
        const auto typed = pw::formats::parseTypedDateTime(text, locale);
        if (!typed)
            continue;
        require(typed->date().isValid() && typed->time().isValid());
        // What was read is written out and read again unchanged.
        const QString general = pw::formats::generalDate(*typed, locale);
        const auto back = pw::formats::parseTypedDateTime(general, locale);
        require(back && *back == *typed);
        require(pw::LocalDateTime::fromStored(QStringView(typed->toStored())) == typed);
    }
    return 0;
}
