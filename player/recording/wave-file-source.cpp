#include "player/recording/wave-file-source.h"

namespace recording {

void WaveFileSource::Open(std::int32_t framesPerRead) {
    m_reader.setReadBufferSize(framesPerRead);
    m_reader.setFilename(m_path);
}

} // namespace recording
