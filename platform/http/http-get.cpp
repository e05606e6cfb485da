#include "platform/http/http-get.h"

#include <QEventLoop>

namespace platform::http {

Reply Get(const QUrl &url, int timeLimitMs, qint64 maxBytes) {
    Reply result;
    QEventLoop loop;
    const Fetch fetch(url, timeLimitMs, maxBytes);
    QObject::connect(&fetch, &Fetch::finished, &loop, [&](const Reply &reply) {
        result = reply;
        loop.quit();
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

} // namespace platform::http
