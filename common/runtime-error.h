#pragma once
// The run-time error that the system's procedures raise and trap: a number, a description and the
// source that raised it, with the classic run-time's wording for the numbers the system relies on.

#include <QString>
#include <exception>
#include <string>

namespace common {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description, QString source = QString());

    // An error with the classic run-time's description for `number` ("Division by zero" for 11 …).
    static RuntimeError fromNumber(int number, const QString &source = QString());

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const QString &source() const { return m_source; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

// Classic run-time error numbers used by the system.
enum ErrorNumber {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscriptOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrBadFileNameOrNumber = 52,
    ErrFileNotFound = 53,
    ErrFileAlreadyOpen = 55,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrInputPastEndOfFile = 62,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrInvalidPropertyValue = 380,
};

// The classic description of a run-time error number; "Application-defined or object-defined error"
// for numbers it does not know.
QString ErrorDescription(int number);

// True unless the description is exactly "Division by zero", which the system never shows.
bool ShouldShowError(const QString &description);

} // namespace common
