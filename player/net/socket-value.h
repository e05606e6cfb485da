#pragma once
// The value types that SendData, GetData and PeekData carry, and their byte images on the wire:
// numbers as their little-endian in-memory images, text as UTF-8, byte arrays unchanged.
//
// In a QVariant: Integer qint16, Long qint32, Single float, Double double, Currency Currency, Date
// QDateTime (local time; on the wire the classic date, days since 30 December 1899 with the time as
// the fraction), String QString, Boolean bool (2 bytes, true as −1), Byte quint8, ByteArray QByteArray.

#include <QByteArray>
#include <QMetaType>
#include <QVariant>
#include <optional>

// The type a GetData or PeekData asks for, numbered as the classic variant types.
enum class VarType {
    Integer = 2,
    Long = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Boolean = 11,
    Byte = 17,
    ByteArray = 8209,
};

// A currency amount: a 64-bit count of ten-thousandths (1.5 is 15000).
struct Currency {
    qint64 tenThousandths = 0;
    bool operator==(const Currency &other) const { return tenThousandths == other.tenThousandths; }
};
Q_DECLARE_METATYPE(Currency)

namespace net {

// The bytes that SendData sends for `value`; nothing for a type outside the list above.
std::optional<QByteArray> ValueBytes(const QVariant &value);

// The value of `type` read from the first bytes of `bytes`; bytes short of the type's size count as
// zero. String reads UTF-8. Nothing for a type outside the list above.
std::optional<QVariant> BytesValue(const QByteArray &bytes, VarType type);

} // namespace net
