#include "common/runtime-error.h"

#include <utility>

namespace common {

RuntimeError::RuntimeError(int number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
      m_what(m_description.toStdString()) {}

RuntimeError RuntimeError::fromNumber(int number, const QString &source) {
    return RuntimeError(number, ErrorDescription(number), source);
}

QString ErrorDescription(int number) {
    switch (number) {
    case ErrInvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow:
        return QStringLiteral("Overflow");
    case ErrOutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrSubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrDivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrTypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrBadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case ErrFileNotFound:
        return QStringLiteral("File not found");
    case ErrFileAlreadyOpen:
        return QStringLiteral("File already open");
    case ErrDeviceIO:
        return QStringLiteral("Device I/O error");
    case ErrDiskFull:
        return QStringLiteral("Disk full");
    case ErrInputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case ErrPermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrPathFileAccess:
        return QStringLiteral("Path/File access error");
    case ErrPathNotFound:
        return QStringLiteral("Path not found");
    case ErrInvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

bool ShouldShowError(const QString &description) { return description != QLatin1String("Division by zero"); }

} // namespace common
