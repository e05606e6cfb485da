#pragma once
// What the ICY reader makes of a stream fed to it in pieces of a given size: shared by its test and its
// fuzz target.

#include "player/recording/icy-reader.h"

#include <QList>

namespace icysplit {

struct Split {
    QByteArray audio;
    QList<QByteArray> blocks;
    bool cut = false; // the stream ended inside a block
};

inline Split Read(qint64 interval, const QByteArray &stream, qsizetype piece) {
    recording::IcyReader reader(interval);
    Split split;
    for (qsizetype at = 0; at < stream.size(); at += piece)
        reader.feed(
            QByteArrayView(stream).sliced(at, std::min(piece, stream.size() - at)),
            [&split](QByteArrayView audio) { split.audio += audio; },
            [&split](const QByteArray &block) { split.blocks.append(block); });
    split.cut = reader.insideMetadata();
    return split;
}

} // namespace icysplit
