#include "player/recording/encoder-library.h"

#include <QFileInfo>
#include <type_traits>

namespace recording {

QString EncoderLibraryPath(const QString &programFolder) {
    return programFolder + u'/' + kEncoderLibraryName;
}

EncoderLibrary::EncoderLibrary(const QString &path) : m_library(path) {
    if (!m_library.load()) {
        m_error = QFileInfo::exists(path) ? QStringLiteral("Error in loading DLL: ") + path
                                          : QStringLiteral("File not found: ") + path;
        return;
    }
    // Binds one function; notes the first one missing.
    const auto bind = [this, &path](auto &function, const char *name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(m_library.resolve(name));
        if (!function && m_error.isEmpty())
            m_error = QStringLiteral("Can't find DLL entry point %1 in %2").arg(QLatin1String(name), path);
    };
    bind(m_functions.beInitStream, "beInitStream");
    bind(m_functions.beEncodeChunk, "beEncodeChunk");
    bind(m_functions.beDeinitStream, "beDeinitStream");
    bind(m_functions.beCloseStream, "beCloseStream");
    bind(m_functions.beWriteInfoTag, "beWriteInfoTag");
    m_bound = m_error.isEmpty();
}

} // namespace recording
