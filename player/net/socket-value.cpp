#include "player/net/socket-value.h"

#include <QDateTime>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace net {

namespace {

const QDate kDateZero(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;
// 1 January 100 and the end of 31 December 9999, the range of the classic date.
constexpr double kFirstDate = -657434.0;
constexpr double kPastLastDate = 2958466.0;

template <typename T> QByteArray Image(T value) {
    QByteArray bytes(sizeof(T), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

template <typename T> T Read(const QByteArray &bytes) {
    return qFromLittleEndian<T>(bytes.leftJustified(sizeof(T), '\0', true).constData());
}

template <typename Float, typename Bits> QByteArray FloatImage(Float value) {
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Image(bits);
}

template <typename Float, typename Bits> Float ReadFloat(const QByteArray &bytes) {
    const Bits bits = Read<Bits>(bytes);
    Float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The classic date keeps the day as the whole part and the time as the fraction, also before day 0:
// −1.25 is 29 December 1899, 6:00.
double DateNumber(const QDateTime &when) {
    const qint64 days = kDateZero.daysTo(when.date());
    const double fraction = static_cast<double>(when.time().msecsSinceStartOfDay()) / kMsPerDay;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

// An invalid QDateTime for numbers outside the classic range.
QDateTime DateFromNumber(double number) {
    if (!(number >= kFirstDate && number < kPastLastDate))
        return QDateTime();
    double whole;
    const double fraction = std::fabs(std::modf(number, &whole));
    const qint64 ms = std::min<qint64>(std::llround(fraction * kMsPerDay), kMsPerDay - 1);
    return QDateTime(kDateZero.addDays(static_cast<qint64>(whole)),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

} // namespace

std::optional<QByteArray> ValueBytes(const QVariant &value) {
    const int type = value.typeId();
    if (type == qMetaTypeId<Currency>())
        return Image(value.value<Currency>().tenThousandths);
    switch (type) {
    case QMetaType::Short:
        return Image(value.value<qint16>());
    case QMetaType::Bool:
        return Image<qint16>(value.toBool() ? -1 : 0);
    case QMetaType::Int:
        return Image(value.value<qint32>());
    case QMetaType::Float:
        return FloatImage<float, quint32>(value.toFloat());
    case QMetaType::Double:
        return FloatImage<double, quint64>(value.toDouble());
    case QMetaType::QDateTime:
        return FloatImage<double, quint64>(DateNumber(value.toDateTime()));
    case QMetaType::UChar:
        return QByteArray(1, static_cast<char>(value.value<quint8>()));
    case QMetaType::QByteArray:
        return value.toByteArray();
    case QMetaType::QString:
        return value.toString().toUtf8();
    default:
        return std::nullopt;
    }
}

std::optional<QVariant> BytesValue(const QByteArray &bytes, VarType type) {
    switch (type) {
    case VarType::ByteArray:
        return QVariant(bytes);
    case VarType::Boolean:
        return QVariant(Read<qint16>(bytes) != 0);
    case VarType::Byte:
        return QVariant::fromValue(Read<quint8>(bytes));
    case VarType::Currency:
        return QVariant::fromValue(Currency{Read<qint64>(bytes)});
    case VarType::Date:
        return QVariant(DateFromNumber(ReadFloat<double, quint64>(bytes)));
    case VarType::Double:
        return QVariant(ReadFloat<double, quint64>(bytes));
    case VarType::Integer:
        return QVariant::fromValue(Read<qint16>(bytes));
    case VarType::Long:
        return QVariant::fromValue(Read<qint32>(bytes));
    case VarType::Single:
        return QVariant(ReadFloat<float, quint32>(bytes));
    case VarType::String:
        return QVariant(QString::fromUtf8(bytes));
    }
    return std::nullopt;
}

} // namespace net
