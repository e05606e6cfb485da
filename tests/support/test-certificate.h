#pragma once
// TLS for tests: a certificate for 127.0.0.1 made by openssl when asked for, and trust in it given to
// this test process only (the system's trusted certificates are not touched).

#include <QSslConfiguration>

// A server configuration with a new certificate for 127.0.0.1 and its key; aborts the test program
// when openssl cannot make one.
QSslConfiguration MakeTestServerTls();

// Makes this process trust the certificate of `server` for the TLS connections it opens from now on.
void TrustInThisProcess(const QSslConfiguration &server);
