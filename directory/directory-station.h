#pragma once
// The stations of the community radio directory's answers, read into what the program can keep: a
// name and a stream address that fit a line of the station file, and what the listener chooses by.

#include "common/station-file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace directory {

// Longer texts are cut: nothing a list shows or a file keeps needs more.
constexpr qsizetype kMaxNameLength = 200;
constexpr qsizetype kMaxCodeLength = 16; // country codes and codecs
constexpr qsizetype kMaxTagLength = 40;
constexpr qsizetype kMaxTags = 20;
// A longer address is refused: cutting it would give another address.
constexpr qsizetype kMaxAddressLength = 2048;
constexpr int kMaxBitrate = 100000;

struct DirectoryStation {
    QString name;
    QString address; // the directory's resolved stream address when usable, else the one it was given
    QString countryCode;
    QString codec;
    int bitrate = 0; // kbit/s; 0 when unknown
    QStringList tags;
};

// The stations of one answer, or why there are none.
struct SearchResult {
    QList<DirectoryStation> stations;
    QString error; // empty on success, otherwise one message for the listener
};

// Reads a search answer: a JSON array of station objects ("name", "url_resolved", "url", "countrycode",
// "codec", "bitrate", and "tags" as comma-separated text). Entries without a name or without an http or
// https address a station file can hold are left out; every text is cleaned of control characters and
// cut to a bounded length. Malformed JSON or anything but an array gives an error ("The directory's
// answer could not be read: …").
SearchResult ParseDirectoryStations(const QByteArray &json);

// The station the list keeps for an entry.
common::Station ToStation(const DirectoryStation &station);

// The stations to add for chosen entries: the directory lists some streams under several entries, and
// one of each address is enough (the first).
common::StationList ToStations(const QList<DirectoryStation> &stations);

} // namespace directory
