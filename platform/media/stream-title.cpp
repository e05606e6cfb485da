#include "platform/media/stream-title.h"

namespace platform::media {

QString CleanStreamTitle(const QString &raw) {
    QString text = raw.left(kMaxStreamTitleLength * 4);
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = u' ';
    text = text.simplified();
    // A cut never leaves half of a surrogate pair.
    qsizetype length = std::min(text.size(), kMaxStreamTitleLength);
    if (length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length).trimmed();
}

QString StreamTitleFromMeta(const QString &nowPlaying, const QString &artist, const QString &title) {
    const QString playing = CleanStreamTitle(nowPlaying);
    if (!playing.isEmpty())
        return playing;
    const QString artistText = CleanStreamTitle(artist);
    const QString titleText = CleanStreamTitle(title);
    if (artistText.isEmpty() || titleText.isEmpty())
        return QString();
    return CleanStreamTitle(artistText + QStringLiteral(" - ") + titleText);
}

} // namespace platform::media
