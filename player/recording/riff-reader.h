#pragma once
// A small reader of RIFF files: open, descend into a chunk, ascend out of it, read, seek. Every chunk it
// descends into has been checked to lie within its parent and within the file, so reading a chunk's
// declared bytes never runs past the end of the file.

#include <QFile>
#include <QString>
#include <cstdint>

namespace recording {

// A four-character code from up to four characters, padded with blanks ("fmt" is "fmt ").
constexpr std::uint32_t FourCC(const char *text) {
    std::uint32_t code = 0;
    bool ended = false;
    for (int i = 0; i < 4; ++i) {
        ended = ended || text[i] == '\0';
        code |= static_cast<std::uint32_t>(static_cast<unsigned char>(ended ? ' ' : text[i])) << (8 * i);
    }
    return code;
}

// A chunk as descend found it.
struct RiffChunk {
    std::uint32_t id = 0;
    std::uint32_t size = 0;     // declared data bytes (for "RIFF" and "LIST" the form type included)
    std::uint32_t formType = 0; // of "RIFF" and "LIST" chunks
    qint64 dataOffset = 0;      // file offset of the data (of the form type for "RIFF" and "LIST")

    qint64 end() const { return dataOffset + size; }
};

class RiffReader {
public:
    enum class Find {
        Riff,  // a "RIFF" chunk with the given form type
        Chunk, // a chunk with the given identifier
    };
    enum class Origin { Begin, Current };

    // Opens the file for reading (closing any other); false when it cannot be opened.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    // Searches from the current position, chunk by chunk up to the end of `parent` (or of the file), for
    // the chunk asked for, and leaves the position at its data (after the form type for "RIFF"). False,
    // with the position undefined, when it is not there or a chunk on the way claims more bytes than
    // `parent` or the file holds.
    bool descend(RiffChunk &chunk, const RiffChunk *parent, Find find, std::uint32_t code);

    // Moves to the end of the chunk, past its pad byte when its size is odd.
    bool ascend(const RiffChunk &chunk);

    // Reads up to `size` bytes; returns the bytes read, -1 on error.
    qint64 read(char *data, qint64 size);

    // Moves the position; returns the new position, -1 when it would fall before the file's start.
    qint64 seek(qint64 offset, Origin origin);

    qint64 position() const { return m_file.pos(); }

private:
    bool readHeader(qint64 limit, RiffChunk &chunk);

    QFile m_file;
};

} // namespace recording
