// The station-list editor through its real widgets: delete, move, add, keys and colours.

#include "common/settings-store.h"
#include "stations/FrmNew.h"
#include "stations/frmStations.h"
#include "tests/stations/station-fixtures.h"
#include "tests/support/test-environment.h"

#include <QApplication>

using common::kApplication;

namespace {

using stations::kDesignedBack;

QStringList Names(const QListWidget *list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

} // namespace

class StationEditorTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmStations> window;

    void open(const QStringList &names) {
        env = std::make_unique<TestEnvironment>();
        common::WriteStationFile(env->path("Player.dll"), Stations(names));
        window = std::make_unique<frmStations>(env->programFolder());
        window->Form_Load();
    }
    // The list shown, the addresses held and the file on disk all agree with `names`.
    void verifyList(const QStringList &names) {
        QCOMPARE(Names(window->LstStations), names);
        const common::StationList expected = Stations(names);
        QCOMPARE(common::ReadStationFile(env->path("Player.dll")).value(), expected);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(window->LstURLS[i], expected[i].address);
    }

private slots:
    void cleanup() {
        window.reset();
        env.reset();
    }

    void commandsChangeListAndFile_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("written");
        const QString select = QStringLiteral("You need to select a station");
        const QString sure = QStringLiteral("Are you sure you want to delete the selected stations?");
        const QStringList abc{"A", "B", "C"};
        QTest::newRow("delete, yes") << "delete" << 1 << int(ui::Answer::Yes) << QStringList{"A", "C"}
                                     << QStringList{sure} << true;
        QTest::newRow("delete, no") << "delete" << 1 << int(ui::Answer::No) << abc << QStringList{sure}
                                    << false;
        QTest::newRow("delete, none selected")
            << "delete" << -1 << int(ui::Answer::Yes) << abc << QStringList{select} << false;
        QTest::newRow("up") << "up" << 2 << 0 << QStringList{"A", "C", "B"} << QStringList{} << true;
        QTest::newRow("up on the first") << "up" << 0 << 0 << abc << QStringList{} << false;
        QTest::newRow("up, none selected") << "up" << -1 << 0 << abc << QStringList{select} << false;
        QTest::newRow("down") << "down" << 0 << 0 << QStringList{"B", "A", "C"} << QStringList{} << true;
        QTest::newRow("down on the last") << "down" << 2 << 0 << abc << QStringList{} << false;
        QTest::newRow("down, none selected") << "down" << -1 << 0 << abc << QStringList{select} << false;
        QTest::newRow("Delete key") << "Delete key" << 0 << int(ui::Answer::Yes) << QStringList{"B", "C"}
                                    << QStringList{sure} << true;
        QTest::newRow("Ctrl+Up") << "Ctrl+Up" << 1 << 0 << QStringList{"B", "A", "C"} << QStringList{}
                                 << true;
        QTest::newRow("Ctrl+Down") << "Ctrl+Down" << 1 << 0 << QStringList{"A", "C", "B"} << QStringList{}
                                   << true;
    }
    void commandsChangeListAndFile() {
        QFETCH(QString, command);
        QFETCH(int, selected);
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        QFETCH(QStringList, boxes);
        QFETCH(bool, written);
        open({"A", "B", "C"});
        env->answer = ui::Answer(answer);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->LstStations->setFocus();
        window->LstStations->setCurrentRow(selected);
        const ino_t before = FileIdentity(env->path("Player.dll"));
        const QString moved = selected >= 0 ? window->LstStations->item(selected)->text() : QString();

        if (command == "delete")
            QTest::mouseClick(window->CmdDelete, Qt::LeftButton);
        else if (command == "up")
            QTest::mouseClick(window->cmdUp, Qt::LeftButton);
        else if (command == "down")
            QTest::mouseClick(window->CmdDown, Qt::LeftButton);
        // Keys go through the window system, as a real keyboard's do, so shortcuts see them.
        else if (command == "Delete key")
            QTest::keyClick(window->windowHandle(), Qt::Key_Delete);
        else
            QTest::keyClick(window->windowHandle(), command == "Ctrl+Up" ? Qt::Key_Up : Qt::Key_Down,
                            Qt::ControlModifier);

        QStringList shown;
        for (const ui::BoxRequest &box : env->boxes) {
            shown.append(box.text);
            QCOMPARE(box.icon, ui::Icon::Information);
            QCOMPARE(box.title, QStringLiteral("Ravelto's Online Radio"));
        }
        QCOMPARE(shown, boxes);
        verifyList(after);
        QCOMPARE(FileIdentity(env->path("Player.dll")) != before, written);
        if (written && !command.contains("elete")) // a moved station stays selected
            QCOMPARE(window->LstStations->currentItem()->text(), moved);
        QCOMPARE(window->LblTot->text(), QStringLiteral("Total Stations : 3")); // set only when reading
    }

    void addDialogChecksSavesAndSelects_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "Please enter the station's URL"
                                    << "TxtURL";
        QTest::newRow("blank address") << "   "
                                       << "Jazz"
                                       << "Please enter the station's URL"
                                       << "TxtURL";
        QTest::newRow("blank name") << "http://127.0.0.1:9/jazz"
                                    << "  "
                                    << "Please enter the station's name"
                                    << "TxtName";
        QTest::newRow("trimmed and saved") << "  http://127.0.0.1:9/jazz "
                                           << " Jazz  Club "
                                           << "Successfully added the new station"
                                           << "";
        QTest::newRow("known address added again") << "http://127.0.0.1:9/a"
                                                   << "A again"
                                                   << "Successfully added the new station"
                                                   << "";
    }
    void addDialogChecksSavesAndSelects() {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        open({"A", "B"});
        window->show();
        FrmNew dialog(*window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.TxtURL->setText(url);
        dialog.TxtName->setText(name);
        QTest::keyClick(dialog.TxtName, Qt::Key_Return); // Enter confirms

        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, message);
        QCOMPARE(env->boxes[0].icon, ui::Icon::Information);
        if (!focus.isEmpty()) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::focusWidget(),
                     focus == "TxtURL" ? static_cast<QWidget *>(dialog.TxtURL) : dialog.TxtName);
            QCOMPARE(Names(window->LstStations), (QStringList{"A", "B"}));
            return;
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Names(window->LstStations).last(), name.trimmed());
        QCOMPARE(window->LstURLS.last(), url.trimmed());
        QCOMPARE(window->LstStations->currentRow(), 2);
        QCOMPARE(common::ReadStationFile(env->path("Player.dll"))->last(),
                 (common::Station{name.trimmed(), url.trimmed()}));
        QCOMPARE(window->LblTot->text(), QStringLiteral("Total Stations : 2"));
    }

    void addDialogAccessKeys() {
        open({"A"});
        window->show();
        FrmNew dialog(*window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(dialog.windowHandle(), Qt::Key_O, Qt::AltModifier);
        // An access key presses its button the way a click looks: after a short animation.
        QTRY_COMPARE(env->boxes.size(), 1); // OK pressed: the empty address is refused
        QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Names(window->LstStations), QStringList{"A"});
    }

    void coloursFollowThePlayersSkin_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("fore");
        QTest::addColumn<QColor>("listBack");
        QTest::addColumn<QColor>("listFore");
        const QColor designedFore(0xDE, 0xCE, 0x8C);
        QTest::newRow("folder skin") << "Ocean"
                                     << "16711680"
                                     << "65280" << QColor(0, 0, 255) << QColor(0, 255, 0);
        QTest::newRow("built-in skin, any case") << "  spider MAN "
                                                 << "16711680"
                                                 << "65280" << kDesignedBack << designedFore;
        QTest::newRow("no current skin") << ""
                                         << "16711680"
                                         << "65280" << kDesignedBack << designedFore;
        QTest::newRow("back not a number") << "Ocean"
                                           << "blue"
                                           << "65280" << kDesignedBack << QColor(0, 255, 0);
        QTest::newRow("colours emptied") << "Ocean"
                                         << ""
                                         << "" << kDesignedBack << designedFore;
    }
    void coloursFollowThePlayersSkin() {
        QFETCH(QString, current);
        QFETCH(QString, back);
        QFETCH(QString, fore);
        QFETCH(QColor, listBack);
        QFETCH(QColor, listFore);
        env = std::make_unique<TestEnvironment>();
        common::WriteStationFile(env->path("Player.dll"), Stations({"A"}));
        // Stored as the player spells the keys; read as Stations spells them.
        common::SaveSetting(kApplication, "Skin", "Current", current);
        common::SaveSetting(kApplication, "Skin", "BackColor", back);
        common::SaveSetting(kApplication, "Skin", "ForeColor", fore);
        common::SaveSetting(kApplication, "Skin", "ComboBackColor", "255");
        window = std::make_unique<frmStations>(env->programFolder());
        window->Form_Load();
        QCOMPARE(window->LstStations->palette().color(QPalette::Base), listBack);
        QCOMPARE(window->LstStations->palette().color(QPalette::Text), listFore);
        QCOMPARE(window->LblTot->palette().color(QPalette::WindowText), listFore);
        FrmNew dialog(*window);
        QCOMPARE(dialog.TxtURL->palette().color(QPalette::Base),
                 current == "Ocean" ? QColor(255, 0, 0) : kDesignedBack);
    }

    void missingFileEndsTheProgram() {
        env = std::make_unique<TestEnvironment>();
        env->removeFile("Player.dll");
        frmStations editor(env->programFolder());
        editor.Form_Load();
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, "Player.dll file not found. Please make sure the file is present at the "
                                     "below path\r\n" +
                                         env->programFolder());
        QCOMPARE(env->boxes[0].icon, ui::Icon::Critical);
        QVERIFY(env->endedWith.has_value());
    }
};

QTEST_MAIN(StationEditorTest)
#include "tst_station_editor.moc"
