#include "player/skins/skin-layout.h"

#include "common/numbers.h"

namespace skins {

namespace {

// Single precision, as the layout's numbers are kept.
double Twips(const QString &field) { return common::ParseSingle(field, QStringLiteral("AdjustPosition")); }

} // namespace

const Layout &BuiltInLayout() {
    static const Layout layout{
        {Element::SettingsBox, {3120, 2415, 5310, 3300}},
        {Element::AboutMe, {3120, 2430, 5310, 3300}},
        {Element::Play, {3180, 5250, 450, 390}},
        {Element::Stop, {3645, 5250, 450, 390}},
        {Element::Record, {4140, 5250, 435, 390}},
        {Element::RecordStop, {4125, 5250, 435, 390}},
        {Element::Settings, {4605, 5250, 435, 390}},
        {Element::AdvanceRec, {5085, 5250, 435, 390}},
        {Element::About, {5565, 5250, 435, 390}},
        {Element::Mess, {3240, 2505, 2715, 2100}},
        {Element::Holder, {3240, 2520, 2700, 2070}},
        {Element::News, {3240, 4785, 2715, 300}},
        {Element::Up, {7110, 2505, 315, 165}},
        {Element::Lists, {6255, 2730, 2010, 2600}},
        {Element::Down, {7110, 5400, 315, 165}},
        {Element::Count, {7530, 5415, 795, 165}},
        {Element::Min, {7800, 1995, 225, 225}},
        {Element::Close, {8100, 1995, 225, 225}},
    };
    return layout;
}

QString ElementName(Element element) {
    static const char *const kNames[] = {
        "PicSettingsBox", "PicAboutMe",    "PicPlay",  "PicStop",  "PicRecord", "PicRecordStop",
        "PicSettings",    "PicAdvanceRec", "PicAbout", "PicMess",  "PicHolder", "PicNews",
        "PicUp",          "PicLists",      "PicDown",  "PicCount", "PicMin",    "PicClose"};
    return QString::fromLatin1(kNames[int(element)]);
}

void AdjustLayout(Layout &layout, const QStringList &fields) {
    const auto field = [&](int number) { return Twips(fields.value(number - 1)); };
    const auto at = [&](Element element) -> Box & { return layout[element]; };
    at(Element::SettingsBox).left = field(1);
    at(Element::SettingsBox).top = field(2);
    at(Element::Play).top = field(3);
    at(Element::Play).left = field(4);
    at(Element::Mess).left = field(5);
    at(Element::Mess).top = field(6);
    at(Element::Lists).left = field(7);
    at(Element::Up).left = field(8);
    at(Element::Min).top = field(9);
    at(Element::Min).left = field(10);
    const auto placeAt = [&](Element element, const Box &place) {
        at(element).left = place.left;
        at(element).top = place.top;
    };
    placeAt(Element::AboutMe, at(Element::SettingsBox));
    placeAt(Element::Holder, at(Element::Mess));
    // The button row runs from Play with 35 twips between neighbours; Stop Recording takes Record's place.
    const auto after = [&](Element element, Element neighbour) {
        const Box &left = at(neighbour);
        at(element).top = left.top;
        at(element).left = left.left + left.width + 35;
    };
    after(Element::Stop, Element::Play);
    after(Element::Record, Element::Stop);
    placeAt(Element::RecordStop, at(Element::Record));
    after(Element::Settings, Element::Record);
    after(Element::AdvanceRec, Element::Settings);
    after(Element::About, Element::AdvanceRec);
    at(Element::News).left = at(Element::Play).left;
    at(Element::News).top = at(Element::Play).top - at(Element::News).height - 160;
    at(Element::Up).top = at(Element::Holder).top + 50;
    at(Element::Lists).top = at(Element::Up).top + at(Element::Up).height + 50;
    at(Element::Down).left = at(Element::Up).left;
    at(Element::Down).top = at(Element::Lists).top + at(Element::Lists).height + 50;
    at(Element::Count).top = at(Element::Down).top;
    at(Element::Count).left = at(Element::Down).left + 450;
    at(Element::Close).top = at(Element::Min).top;
    at(Element::Close).left = at(Element::Min).left + at(Element::Min).width + 150;
}

} // namespace skins
