#include "encoder/stream-registry.h"

#include <map>
#include <mutex>

namespace encoder {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<HBE_STREAM, std::unique_ptr<Stream>> streams;
    HBE_STREAM lastHandle = 0;
};

Registry &TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

Stream::~Stream() {
    if (lame)
        lame_close(lame);
}

HBE_STREAM Register(std::unique_ptr<Stream> stream) {
    Registry &registry = TheRegistry();
    const std::lock_guard<std::mutex> lock(registry.mutex);
    const HBE_STREAM handle = ++registry.lastHandle;
    registry.streams.emplace(handle, std::move(stream));
    return handle;
}

Stream *Find(HBE_STREAM handle) {
    Registry &registry = TheRegistry();
    const std::lock_guard<std::mutex> lock(registry.mutex);
    const auto found = registry.streams.find(handle);
    return found == registry.streams.end() ? nullptr : found->second.get();
}

std::unique_ptr<Stream> Unregister(HBE_STREAM handle) {
    Registry &registry = TheRegistry();
    const std::lock_guard<std::mutex> lock(registry.mutex);
    const auto found = registry.streams.find(handle);
    if (found == registry.streams.end())
        return nullptr;
    std::unique_ptr<Stream> stream = std::move(found->second);
    registry.streams.erase(found);
    return stream;
}

} // namespace encoder
