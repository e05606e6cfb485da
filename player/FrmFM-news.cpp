// The news ticker: the headline fetch (over the window's own socket, or the platform's HTTPS
// download), the parse of the page, and the label that slides its pieces across the news strip.
// Nothing here is ever shown as an error: each statement that fails is skipped.

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/http/http-fetch.h"
#include "player/FrmFM.h"
#include "player/links.h"
#include "player/net/CSocket.h"
#include "player/news/headline-source.h"
#include "player/news/headlines.h"
#include "player/picture-box.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <utility>

using common::kApplication;
using common::SkipOnError;

namespace {

const QString kNoServer = QStringLiteral("Failed to connect to the Indian News Server.");

} // namespace

void FrmFM::CreateNews() {
    // Empty at first, so it wraps (and fetches) within a few ticks of the news starting.
    LblNews = new QLabel(PicNews);
    LblNews->move(LblMessage->pos());
    LblNews->setPalette(LblMessage->palette());
    LblNews->adjustSize();
    LblNews->hide();
    TmrNewsSlide = new QTimer(this);
    TmrNewsSlide->setInterval(23);
    TmrNewsSlide->setTimerType(Qt::PreciseTimer);
    connect(TmrNewsSlide, &QTimer::timeout, this, [this] { TmrNewsSlide_Timer(); });
    m_fetchLimit = new QTimer(this);
    m_fetchLimit->setSingleShot(true);
    bool isNumber = false;
    const int limit = qEnvironmentVariableIntValue("TUNELARK_NEWS_TIMEOUT_MS", &isNumber);
    m_fetchLimit->setInterval(isNumber && limit > 0 ? limit : kHeadlineFetchLimitMs);
    connect(m_fetchLimit, &QTimer::timeout, this, [this] { AbandonFetch(); });
    connect(LblShowNews, &PictureBox::Click, this, [this] { LblShowNews_Click(); });
}

QString FrmFM::HeadlineUrl() {
    if (const QString url = qEnvironmentVariable("TUNELARK_NEWS_URL"); !url.isEmpty())
        return url;
    return StoredHeadlineUrl();
}

QString FrmFM::StoredHeadlineUrl() {
    const QString url = common::GetSetting(kApplication, QStringLiteral("News"), QStringLiteral("URL"));
    return url.trimmed().isEmpty() ? QString::fromLatin1(player::links::kHeadlineUrl) : url.trimmed();
}

void FrmFM::StartNews() {
    TxtNewsUrl->setText(StoredHeadlineUrl());
    TxtNewsUrl->setCursorPosition(0); // the address shows from its start
    const bool on = common::GetSetting(kApplication, QStringLiteral("News"), QStringLiteral("Show")) ==
                    QLatin1String("1");
    if (on) {
        AbandonFetch();
        GetHeadlines();
        ChkNews->setChecked(true);
        ShowHeadlines();
    } else {
        ChkNews->setChecked(false);
        NoHeadlines();
    }
}

void FrmFM::AbandonFetch() {
    m_fetchLimit->stop();
    NewsData.clear();
    delete std::exchange(m_headlineFetch, nullptr); // says nothing once deleted
    if (Winsock1 != nullptr) {
        Winsock1->disconnect(this);
        Winsock1->deleteLater(); // releases its handle; it may be raising an event right now
    }
    Winsock1 = new CSocket(this);
    connect(Winsock1, &CSocket::OnConnect, this, [this] { Winsock1_OnConnect(); });
    connect(Winsock1, &CSocket::OnDataArrival, this,
            [this](int bytesTotal) { Winsock1_OnDataArrival(bytesTotal); });
    connect(Winsock1, &CSocket::OnClose, this, [this] { Winsock1_OnClose(); });
    connect(Winsock1, &CSocket::OnError, this,
            [this](short, const QString &, int, const QString &, const QString &, int, bool &) {
                Winsock1_OnError();
            });
}

void FrmFM::GetHeadlines() {
    // A wrap while a slow page still arrives would cut it and parse the rest (and a cut page switches
    // the news off): the fetch under way finishes, or is given up, first.
    if (m_fetchLimit->isActive() || m_headlineFetch != nullptr)
        return;
    NewsText.clear();
    NewsData.clear();
    const QString url = HeadlineUrl();
    if (news::HeadlineFetchFor(url) == news::HeadlineFetch::Tls) {
        FetchHeadlinesOverTls(url);
        return;
    }
    const news::HeadlineAddress address = news::SplitHeadlineUrl(url);
    NewsHost = address.host;
    NewsPath = address.path;
    SkipOnError([this] {
        if (Winsock1->State() != CSocket::Closed)
            Winsock1->CloseSocket();
    });
    SkipOnError([&] { Winsock1->setRemoteHost(NewsHost); });
    if (address.port)
        Winsock1->setRemotePort(*address.port);
    m_fetchLimit->start();
    SkipOnError([this] { Winsock1->Connect(); });
}

void FrmFM::FetchHeadlinesOverTls(const QString &url) {
    m_headlineFetch =
        new platform::http::Fetch(QUrl(url.trimmed()), m_fetchLimit->interval(), kLargestHeadlinePage, this);
    connect(m_headlineFetch, &platform::http::Fetch::finished, this,
            [this](const platform::http::Reply &reply) {
                std::exchange(m_headlineFetch, nullptr)->deleteLater();
                // A failed fetch leaves the ticker as a closed port does: on the failure text.
                if (reply.ok() && !reply.body.isEmpty()) {
                    NewsData = reply.body;
                    ParseHeadlines();
                }
            });
}

void FrmFM::Winsock1_OnConnect() {
    SkipOnError([this] { Winsock1->SendData(news::HeadlineRequest(NewsPath)); });
}

void FrmFM::Winsock1_OnDataArrival(int) {
    SkipOnError([this] {
        // Kept as bytes: whether the page is UTF-8 shows only once the whole of it is here.
        QVariant data;
        Winsock1->GetData(data, VarType::ByteArray);
        NewsData += data.toByteArray();
    });
    // A server that sends without end must not fill memory; the ticker goes on with what it has.
    if (NewsData.size() > kLargestHeadlinePage)
        AbandonFetch();
}

void FrmFM::Winsock1_OnClose() {
    m_fetchLimit->stop();
    if (!NewsData.isEmpty())
        ParseHeadlines();
}

void FrmFM::Winsock1_OnError() {
    m_fetchLimit->stop();
    SkipOnError([this] { Winsock1->CloseSocket(); });
}

void FrmFM::ParseHeadlines() {
    NewsText = news::HeadlinesText(NewsData, NewsText);
    NewsItems = news::NewsPieces(NewsText);
    if (NewsItems.size() >= 2) {
        if (NewsIndex >= 0 && NewsIndex < NewsItems.size())
            SetNewsCaption(NewsItems[NewsIndex]);
        NewsData.clear();
        TmrNewsSlide->start();
    } else {
        NoHeadlines();
        TmrNewsSlide->stop();
    }
}

void FrmFM::SetNewsCaption(const QString &caption) {
    m_newsCaption = caption;
    LblNews->setText(news::DisplayedCaption(caption));
    LblNews->adjustSize(); // the label is as wide as its text
    LblNews->repaint();
}

void FrmFM::ShowHeadlines() {
    if (!ChkNews->isChecked())
        return;
    LblMessage->hide();
    LblNews->show();
    TmrNewsSlide->start();
}

void FrmFM::NoHeadlines() {
    LblMessage->show();
    LblNews->hide();
    TmrNewsSlide->stop();
}

void FrmFM::TmrNewsSlide_Timer() {
    LblNews->move(LblNews->x() - 1, LblNews->y());
    if (LblNews->x() > -LblNews->width())
        return;
    LblNews->move(PicNews->width(), LblNews->y());
    ++NewsIndex;
    QString caption = m_newsCaption;
    if (NewsIndex >= 0 && NewsIndex < NewsItems.size())
        caption = NewsItems[NewsIndex];
    if (caption.trimmed().isEmpty())
        caption = kNoServer;
    SetNewsCaption(caption);
    // At the last piece or past it: a parse may leave fewer pieces (or none) than the index counts.
    if (NewsIndex >= NewsItems.size() - 1) {
        NewsIndex = 0;
        GetHeadlines();
    }
}

void FrmFM::LblShowNews_Click() { ChkNews->setChecked(!ChkNews->isChecked()); }
