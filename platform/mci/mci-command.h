#pragma once
// Reading MCI command texts: "verb device [words…]", words separated by blanks, a word in double
// quotes may hold blanks. Keywords are matched without regard to case. Pure text functions.

#include <QString>
#include <QStringList>

namespace platform::mci {

struct Command {
    QString verb;          // lower case
    QString device;        // the alias, "all", or for "open" the element (usually a file)
    QStringList arguments; // the words after the device
    QString rest;          // the text after the device, trimmed: "save ALIAS PATH" takes it whole
};

// Splits `text` into a command; an MCI error code (MMSYSERR_NOERROR on success). For "open" the
// element runs up to the first "type" or "alias" keyword, so a path with blanks needs no quotes
// (Linux has no blank-free short form of a path).
int ParseCommand(const QString &text, Command *command);

struct OpenArguments {
    QString type;  // lower case; empty when not given
    QString alias; // the element itself when not given
};

// Reads the keywords after an "open" element: "type NAME" and "alias NAME", in any order. An empty
// device name or alias is refused (MCIERR_MISSING_DEVICE_NAME).
int ParseOpenArguments(const Command &command, OpenArguments *open);

} // namespace platform::mci
