#pragma once
// Where the player's links lead: kept in one place so they are easy to change.

namespace player::links {

inline constexpr char kHomePage[] = "https://tunelark.example.org/";
// Where the credit caption of the help line leads.
inline constexpr char kDeveloperPage[] = "https://tunelark.example.org/developers";
inline constexpr char kFaqPage[] = "https://tunelark.example.org/faq";
inline constexpr char kSupportAddress[] = "support@tunelark.example.org";
inline constexpr char kSupportMail[] = "mailto:support@tunelark.example.org?subject=Tunelark";
// The headlines the news ticker fetches: the top stories feed of The Times of India.
inline constexpr char kHeadlineUrl[] = "https://timesofindia.indiatimes.com/rssfeedstopstories.cms";
inline constexpr char kMoreSkinsPage[] = "https://tunelark.example.org/skins";

} // namespace player::links
