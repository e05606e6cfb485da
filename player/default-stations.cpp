#include "player/default-stations.h"

namespace player {

// Each address is of the kind its station has always used (MMS, ASX or M3U playlist, plain HTTP,
// a WMV video, a script page returning a playlist). The hosts are reserved documentation names and
// addresses: this list only shows that the player works when its station file is damaged.
const std::array<DefaultStation, kDefaultStationCount> &DefaultStations() {
    static const std::array<DefaultStation, kDefaultStationCount> stations{{
        {"RadioTarana-NewZealand", "mms://media.tarana.example.net/live/tarana"},
        {"RadioOfIndia - Bollywood", "http://www.radioofindia.example.com/asx/bollywood.asx"},
        {"RadioSuno - FunAsia", "mms://192.0.2.21/funasia"},
        {"DTRadio - CrazeFM", "http://192.0.2.35:5555/crazefm"},
        {"RadioOfIndia - Bhajans", "http://www.radioofindia.example.com/asx/bhajans.asx"},
        {"RadioOfIndia - Classical", "http://192.0.2.40/classical"},
        {"Sabras radio - UK", "http://stream.sabras.example.co.uk:8744"},
        {"RadioTeenTaal - Paris", "mms://198.51.100.7:21/teentaal"},
        {"ApnaRadio - USA", "http://www.apnaradio.example.com/live/apnaradio.asx"},
        {"BombayBeats FM", "http://www.bombaybeats.example.com/listen/bombaybeats.asx"},
        {"Yarr Radio - UK", "mms://198.51.100.12/yarr"},
        {"Radio XL - UK", "http://www.radioxl.example.co.uk/listen/radioxl.m3u"},
        {"Asian Sound Radio - UK", "http://www.asiansound.example.co.uk/live/asiansound.asx"},
        {"Sanskar Radio - UK", "http://www.sanskarradio.example.co.uk/live/sanskar.m3u"},
        {"Trishul 90.5 FM", "http://www.trishul.example.org/live/trishul905.asx"},
        {"Radio India - Canada", "mms://media.radioindia.example.ca/live/radioindia"},
        {"City 101.6 FM - Dubai", "http://www.city1016.example.ae/live/city1016.asx"},
        {"AajKal - Asian Network", "http://www.aajkal.example.net/live/aajkal.asx"},
        {"BBC News", "http://www.news.example.org/audio/bbcnews.asx"},
        {"Arabian Radio City", "http://www.city1016.example.ae/live/city1016.asx"},
        {"Energy 1.FM", "http://www.bombaybeats.example.com/listen/bombaybeats.asx"},
        {"Gujarati News Video", "http://video.gujaratinews.example.in/bulletin/news.WMV"},
        {"Rock Metal - English", "http://www.rockmetal.example.com/live/rockmetal.asx"},
        {"Station X - English", "http://www.stations.example.net/play.aspx?channel=stationx"},
        {"Club 1 - English", "http://www.stations.example.net/play.aspx?channel=club1"},
        {"Jamz - Hip Hop - English", "http://www.stations.example.net/play.aspx?channel=jamz"},
        {"Top 40 - English", "http://www.stations.example.net/play.aspx?channel=top40"},
        {"90's - English", "http://www.stations.example.net/play.aspx?channel=90s"},
        {"Trance - English", "http://www.stations.example.net/play.aspx?channel=trance"},
        {"Tamil Radio - USA", "http://www.tamilradio.example.com/live/tamilradio.asx"},
        {"Gujarati Radio - Australia", "mms://203.0.113.44/gujarati"},
    }};
    return stations;
}

} // namespace player
