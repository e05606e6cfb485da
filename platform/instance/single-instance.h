#pragma once
// Second-copy detection, per user: a lock file beside the user's settings. A copy that crashed or was
// killed leaves no lock that blocks the next start (the lock names a process that no longer runs).

#include <QLockFile>
#include <QString>
#include <memory>

namespace platform::instance {

class SingleInstance {
public:
    // Takes the lock named `name`; check isFirst() afterwards. The lock is held while this object lives.
    explicit SingleInstance(const QString &name);
    bool isFirst() const { return m_isFirst; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_isFirst = false;
};

} // namespace platform::instance
