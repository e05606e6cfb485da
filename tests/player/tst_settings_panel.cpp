// The settings panel: the Settings button shows and hides it without saving; its close button stores
// the rate, the news choice and the skin and asks for the reload, after which the choices come back.

#include "common/settings-store.h"
#include "player/FrmFM.h"
#include "player/FrmMessage.h"
#include "player/ModOthers.h"
#include "player/picture-box.h"
#include "player/record-settings.h"
#include "tests/support/test-environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <csignal>

using common::GetSetting;
using common::kApplication;

class SettingsPanelTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    void load() {
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
    }

private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(QDir().mkpath(env->path("Skins/Night")));
        env->writeFile("Skins/Night/Settings.ini", "10,10,40\r\n230,230,255\r\n0,0,0\r\n");
        qputenv("TUNELARK_NEWS_URL", "http://127.0.0.1:9/includes/tick.htm");
    }
    void cleanup() {
        window.reset();
        env.reset();
    }

    void settingsButtonTogglesWithoutSaving() {
        load();
        QVERIFY(!window->PicSettingsBox->isVisibleTo(window.get()));
        window->PicSettings_Click();
        QVERIFY(window->PicSettingsBox->isVisibleTo(window.get()));
        window->OptSampleRate[0]->setChecked(true);
        window->PicSettings_Click();
        QVERIFY(!window->PicSettingsBox->isVisibleTo(window.get()));
        QCOMPARE(GetSetting(kApplication, "Record", "SettingID"), QString());
        QVERIFY(window->OptSampleRate[0]->isChecked()); // the choice stays in the hidden panel
    }

    void okSavesAndTheReloadBringsTheChoicesBack() {
        load();
        QSignalSpy reload(window.get(), &FrmFM::ReloadRequested);
        window->OptSampleRate[3]->setChecked(true);
        window->ChkNews->setChecked(true);
        window->LstSkins->setCurrentRow(1);
        window->PicOK_Click();
        QCOMPARE(reload.count(), 1);
        QVERIFY(!window->PicSettingsBox->isVisibleTo(window.get()));
        QCOMPARE(GetSetting(kApplication, "Record", "SettingID"), QStringLiteral("3"));
        QCOMPARE(GetSetting(kApplication, "Record", "SettingValue"), QStringLiteral("22050"));
        QCOMPARE(GetSetting(kApplication, "News", "Show"), QStringLiteral("1"));
        QCOMPARE(GetSetting(kApplication, "Skin", "Current"), QStringLiteral("Night"));
        QCOMPARE(player::RecordSettingValue, QStringLiteral("22050"));

        load(); // the reload
        QVERIFY(window->OptSampleRate[3]->isChecked());
        QVERIFY(window->ChkNews->isChecked());
        QVERIFY(window->LblNews->isVisibleTo(window.get()));
        QCOMPARE(window->LstSkins->currentItem()->text(), QStringLiteral("Night"));
        QCOMPARE(window->LstStations->palette().color(QPalette::Base), QColor(10, 10, 40));

        window->ChkNews->setChecked(false);
        window->LstSkins->clearSelection();
        window->PicOK_Click();
        QCOMPARE(GetSetting(kApplication, "News", "Show"), QStringLiteral("0"));
        QCOMPARE(GetSetting(kApplication, "Skin", "Current"), QString());
        load();
        QVERIFY(!window->ChkNews->isChecked());
        QVERIFY(!window->LblNews->isVisibleTo(window.get()));
        QCOMPARE(window->LstSkins->currentRow(), 0); // no skin chosen: the built-in one
    }

    // The player's own reload: the window is unloaded and a new one loaded in its place. What belongs
    // to the run stays: the clip is played once a run, the recording hint window, with the choice
    // ticked in it, outlives the reload, and a stop request (a logout's SIGTERM) reaches the new
    // window, which ends the player as its Close does.
    void playerReloadsItsWindowKeepingTheRun() {
        ModOthers::ClipPlayed = false;
        QPointer<FrmFM> first = ModOthers::StartPlayer();
        QVERIFY(first);
        QPointer<FrmMessage> hint;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<FrmMessage *>(widget); candidate && candidate->isVisible())
                hint = candidate;
        QVERIFY(hint);
        hint->ChkShow->setChecked(true);
        // This test's own folder holds no station file: the built-in list (addresses that fail at once).
        first->LoadDefaultStations();
        first->LstStations->setCurrentRow(0);
        first->PicPlay_Click();
        QVERIFY(ModOthers::ClipPlayed);

        first->PicOK_Click();
        QTRY_VERIFY(first.isNull());
        QPointer<FrmFM> reloaded;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<FrmFM *>(widget); candidate && candidate->isVisible())
                reloaded = candidate;
        QVERIFY(reloaded);
        QVERIFY(ModOthers::ClipPlayed);
        QVERIFY(hint && hint->isVisible());
        hint->PicClose_Click();
        QCOMPARE(GetSetting(kApplication, "Message", "Show"), QStringLiteral("1"));
        // The test's folder lacks the program's companion files, so each load has asked for an end.
        env->endedWith.reset();
        QCOMPARE(::raise(SIGTERM), 0);
        QTRY_COMPARE(env->endedWith, std::optional<int>(0));
        QTRY_VERIFY(reloaded.isNull());
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "tst_settings_panel.moc"
