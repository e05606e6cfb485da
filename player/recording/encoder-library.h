#pragma once
// The encoder library Tunelark.dll, bound by name at run time (never linked), so the player starts and
// records without it and a missing or broken library is reported where it is used.

#include "encoder/bladeenc-interface.h"

#include <QLibrary>
#include <QString>

namespace recording {

inline const QString kEncoderLibraryName = QStringLiteral("Tunelark.dll");

// The encoder library's path in a program folder.
QString EncoderLibraryPath(const QString &programFolder);

// The functions a conversion calls.
struct EncoderFunctions {
    BEINITSTREAM beInitStream = nullptr;
    BEENCODECHUNK beEncodeChunk = nullptr;
    BEDEINITSTREAM beDeinitStream = nullptr;
    BECLOSESTREAM beCloseStream = nullptr;
    BEWRITEINFOTAG beWriteInfoTag = nullptr;
};

// One encoder library file, loaded and bound when constructed.
class EncoderLibrary {
public:
    explicit EncoderLibrary(const QString &path);
    EncoderLibrary(const EncoderLibrary &) = delete;
    EncoderLibrary &operator=(const EncoderLibrary &) = delete;

    // Every function bound; nullptr when the library did not load or lacks one of them.
    const EncoderFunctions *functions() const { return m_bound ? &m_functions : nullptr; }
    // Why functions() is nullptr, in the classic run-time's words: "File not found: PATH", "Error in
    // loading DLL: PATH" or "Can't find DLL entry point NAME in PATH".
    QString errorString() const { return m_error; }

private:
    QLibrary m_library;
    EncoderFunctions m_functions;
    bool m_bound = false;
    QString m_error;
};

} // namespace recording
