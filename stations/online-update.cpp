#include "stations/online-update.h"

namespace stations {

namespace {

const char kPublishedStationFile[] = "https://stations.tunelark.example.org/FM/Player.dll";
constexpr int kDefaultTimeLimitMs = 30000;

} // namespace

QUrl UpdateUrl() {
    const QString configured = qEnvironmentVariable("TUNELARK_UPDATE_URL");
    return QUrl(configured.isEmpty() ? QString::fromLatin1(kPublishedStationFile) : configured);
}

int UpdateTimeLimitMs() {
    bool ok = false;
    const int configured = qEnvironmentVariableIntValue("TUNELARK_UPDATE_TIMEOUT_MS", &ok);
    return ok && configured > 0 ? configured : kDefaultTimeLimitMs;
}

QByteArray UpdateFileContent(QString pageText) {
    for (const char *markup : {"<HEAD></HEAD>", "<BODY><PRE>", "</PRE></BODY>"})
        pageText.remove(QLatin1String(markup), Qt::CaseSensitive);
    return (pageText + QStringLiteral("\r\n")).toUtf8();
}

} // namespace stations
