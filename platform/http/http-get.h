#pragma once
// One HTTP(S) GET that the caller waits for, as `Fetch` makes it. While it waits, the GUI thread's
// event loop keeps running (windows paint) but user input is held back, so a click cannot start the
// same action again.

#include "platform/http/http-fetch.h"

namespace platform::http {

Reply Get(const QUrl &url, int timeLimitMs, qint64 maxBytes);

} // namespace platform::http
