// Skins in the main window: the list of skins, loading the current one (colours, images, layout).
// Every load starts from the built-in skin, so a skin is applied to the designed window only.

#include "common/error-handling.h"
#include "common/folder-entries.h"
#include "common/settings-store.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/element-colours.h"
#include "player/now-playing/now-playing-line.h"
#include "player/picture-box.h"
#include "player/skins/skin-folders.h"
#include "player/skins/skin-image.h"
#include "player/skins/skin-layout.h"
#include "player/skins/skin-settings.h"
#include "player/twips.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

using common::kApplication;

namespace {

QString ColourText(const std::optional<std::int32_t> &colour) {
    return colour ? QString::number(*colour) : QString();
}

void SaveSkinSetting(const char *key, const QString &value) {
    common::SaveSetting(kApplication, QStringLiteral("Skin"), QString::fromLatin1(key), value);
}

} // namespace

void FrmFM::GetAvailableSkins() {
    common::SkipOnError([this] {
        LstSkins->clear();
        LstSkins->addItem(skins::kBuiltInSkinName);
    });
    bool exists = false;
    QStringList names;
    common::SkipOnError([&] { names = skins::SkinFolderNames(m_programFolder, &exists); });
    if (!exists) {
        LstSkins->setCurrentRow(0);
        return;
    }
    common::SkipOnError([&] { LstSkins->addItems(names); });
    QString current;
    common::SkipOnError([&] {
        current = common::GetSetting(kApplication, QStringLiteral("Skin"), QStringLiteral("Current"));
    });
    common::SkipOnError([&] { LoadSkin(current); });
}

void FrmFM::LoadSkin(const QString &name) {
    if (skins::IsBuiltInSkin(name)) {
        LstSkins->setCurrentRow(0);
        return;
    }
    QString layout;
    bool loaded = false;
    ui::RunShowingErrors([&] {
        const QString folder = skins::SkinFolder(m_programFolder, name);
        const common::FolderEntries files = skins::SkinFiles(folder);
        const QString settingsFile = files.FilePath(QStringLiteral("Settings.ini"));
        if (!QFileInfo(settingsFile).isFile()) {
            for (const char *key : {"BackColor", "ForeColor", "ComboBackColor"})
                SaveSkinSetting(key, QString());
            SaveSkinSetting("Current", skins::kBuiltInSkinName);
            ui::MessageBox(
                QStringLiteral("Below mentioned Skin's folder was not found. Please make sure the folder "
                               "is present at the specified location.\r\n\r\n") +
                    folder,
                ui::Icon::Critical, ui::Buttons::OkOnly, ui::kErrorTitle);
            return;
        }
        const skins::SkinSettings settings = skins::ReadSkinSettings(settingsFile);
        for (int row = 0; row < LstSkins->count(); ++row)
            if (skins::TrimBlanks(LstSkins->item(row)->text()).toUpper() == skins::TrimBlanks(name).toUpper())
                LstSkins->setCurrentRow(row);
        SaveSkinSetting("BackColor", ColourText(settings.backColour));
        SaveSkinSetting("ForeColor", ColourText(settings.foreColour));
        SaveSkinSetting("ComboBackColor", ColourText(settings.comboBackColour));
        ApplySkinColours(colours::FromValue(settings.backColour.value_or(0)),
                         colours::FromValue(settings.foreColour.value_or(0)));
        LoadSkinImages(files);
        layout = settings.layout;
        loaded = true;
    });
    if (!loaded)
        return;
    const QStringList fields = layout.split(u',');
    if (!layout.isEmpty() && fields.size() >= 10)
        AdjustPosition(fields.mid(0, 10));
}

void FrmFM::ApplySkinColours(const QColor &back, const QColor &fore) {
    SetMoreSkinsColour(fore);
    colours::SetFore(LblNews, fore);
    colours::Set(LstStations, back, fore);
    colours::SetFore(LblMessage, fore);
    for (QWidget *frame : {static_cast<QWidget *>(PicNews), static_cast<QWidget *>(PicLists),
                           static_cast<QWidget *>(PicCount)})
        colours::SetBack(frame, back);
    colours::SetBack(LblMessage, back); // the help line fills the news strip it sits in
    colours::SetFore(LblCnt, fore);
    colours::SetBack(LblCnt, back);
    colours::Set(LstSkins, back, fore);
    for (QWidget *label :
         {static_cast<QWidget *>(LblRecSetting), static_cast<QWidget *>(LblSkinHead),
          static_cast<QWidget *>(LblRecMsg), static_cast<QWidget *>(LblShowNews),
          static_cast<QWidget *>(LblName), static_cast<QWidget *>(LblDesig),
          static_cast<QWidget *>(LblDesigned), static_cast<QWidget *>(LblAdd),
          static_cast<QWidget *>(LblEmail), static_cast<QWidget *>(LblURL), static_cast<QWidget *>(LblFaq)})
        colours::SetFore(label, fore);
    colours::SetBack(LnVert, fore);
    colours::Set(LblNowPlaying, back, fore);
    for (QRadioButton *option : OptSampleRate)
        colours::Set(option, back, fore);
    for (QRadioButton *option : {OptRecordCard, OptRecordSongs})
        colours::Set(option, back, fore);
}

void FrmFM::LoadSkinImages(const common::FolderEntries &skinFiles) {
    const std::pair<const char *, PictureBox *> images[] = {{"Main.bmp", BackPic},
                                                            {"Welcome.jpg", PicMess},
                                                            {"Box.jpg", PicSettingsBox},
                                                            {"Box.jpg", PicAboutMe},
                                                            {"Play.jpg", PicPlay},
                                                            {"PlayR.jpg", PicPlayRoll},
                                                            {"Stop.jpg", PicStop},
                                                            {"StopR.jpg", PicStopRoll},
                                                            {"Record.jpg", PicRecord},
                                                            {"RecordR.jpg", PicRecordRoll},
                                                            {"RecordStop.jpg", PicRecordStop},
                                                            {"RecordStopR.jpg", PicRecordStopRoll},
                                                            {"Settings.jpg", PicSettings},
                                                            {"SettingsR.jpg", PicSettingsRoll},
                                                            {"Advanced.jpg", PicAdvanceRec},
                                                            {"AdvancedR.jpg", PicAdvanceRecRoll},
                                                            {"About.jpg", PicAbout},
                                                            {"AboutR.jpg", PicAboutRoll},
                                                            {"Up.jpg", PicUp},
                                                            {"UpR.jpg", PicUpRoll},
                                                            {"Down.jpg", PicDown},
                                                            {"DownR.jpg", PicDownRoll},
                                                            {"Exit.jpg", PicClose},
                                                            {"ExitR.jpg", PicCloseRoll},
                                                            {"Minimize.jpg", PicMin},
                                                            {"MinimizeR.jpg", PicMinRoll},
                                                            {"Close.jpg", PicOK},
                                                            {"CloseR.jpg", PicOKRoll},
                                                            {"Close.jpg", PicCloseW},
                                                            {"CloseR.jpg", PicCloseWRoll}};
    for (const auto &[file, element] : images) {
        const QString path = skinFiles.FilePath(QString::fromLatin1(file));
        if (QFileInfo(path).isFile())
            element->setPicture(QPixmap::fromImage(skins::LoadSkinImage(path)));
    }
}

std::vector<std::pair<skins::Element, QWidget *>> FrmFM::LayoutElements() const {
    using skins::Element;
    return {{Element::SettingsBox, PicSettingsBox},
            {Element::AboutMe, PicAboutMe},
            {Element::Play, PicPlay},
            {Element::Stop, PicStop},
            {Element::Record, PicRecord},
            {Element::RecordStop, PicRecordStop},
            {Element::Settings, PicSettings},
            {Element::AdvanceRec, PicAdvanceRec},
            {Element::About, PicAbout},
            {Element::Mess, PicMess},
            {Element::Holder, PicHolder},
            {Element::News, PicNews},
            {Element::Up, PicUp},
            {Element::Lists, PicLists},
            {Element::Down, PicDown},
            {Element::Count, PicCount},
            {Element::Min, PicMin},
            {Element::Close, PicClose}};
}

void FrmFM::AdjustPosition(const QStringList &field) {
    skins::Layout layout;
    for (const auto &[element, widget] : LayoutElements())
        layout[element] = {twips::Left(widget), twips::Top(widget), twips::Width(widget),
                           twips::Height(widget)};
    const auto apply = [&] {
        for (const auto &[element, widget] : LayoutElements())
            twips::Move(widget, layout.at(element).left, layout.at(element).top);
    };
    ui::RunShowingErrors([&] {
        try {
            skins::AdjustLayout(layout, field);
        } catch (...) {
            apply(); // what the layout reached before a bad field stays
            throw;
        }
        apply();
    });
}
