// Moving through the station list: clicks and keys in the list, held arrow buttons, the counter.

#include "common/error-handling.h"
#include "platform/ui/error-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/picture-box.h"

#include <QLabel>
#include <QTimer>

void FrmFM::ConnectHandlers() {
    // Every change of the list index, by mouse, key or program, raises the list's click.
    connect(LstStations, &QListWidget::currentRowChanged, this, [this] { LstStations_Click(); });
    connect(PicDown, &PictureBox::MouseDown, this, [this] { PicDown_MouseDown(); });
    connect(PicDown, &PictureBox::MouseUp, this, [this] { PicDown_MouseUp(); });
    connect(PicUp, &PictureBox::MouseDown, this, [this] { PicUp_MouseDown(); });
    connect(PicUp, &PictureBox::MouseUp, this, [this] { PicUp_MouseUp(); });
    connect(TmrList, &QTimer::timeout, this, [this] { TmrList_Timer(); });
}

void FrmFM::LstStations_Click() {
    ui::RunShowingErrors([this] {
        const int index = LstStations->currentRow();
        if (index >= 0)
            LblCnt->setText(QStringLiteral("%1 of %2").arg(index + 1).arg(LstStations->count()));
    });
}

void FrmFM::StartListRepeat(const QString &direction) {
    ui::RunShowingErrors([&] {
        ModOthers::UnhookHover();
        TmrListTag = direction;
        TmrList->start();
    });
}

void FrmFM::PicDown_MouseDown() { StartListRepeat(QStringLiteral("Down")); }
void FrmFM::PicUp_MouseDown() { StartListRepeat(QStringLiteral("Up")); }
void FrmFM::PicDown_MouseUp() { TmrList->stop(); }
void FrmFM::PicUp_MouseUp() { TmrList->stop(); }

void FrmFM::TmrList_Timer() {
    common::SkipOnError([this] {
        const int index = LstStations->currentRow();
        if (TmrListTag == QLatin1String("Down"))
            SetListIndex(index + 1);
        else if (TmrListTag == QLatin1String("Up"))
            SetListIndex(index - 1);
    });
}

void FrmFM::SetListIndex(int index) {
    if (index < -1 || index >= LstStations->count())
        return;
    if (index == -1)
        LstStations->clearSelection();
    if (index == LstStations->currentRow())
        LstStations_Click(); // setting the same index raises the click too
    else
        LstStations->setCurrentRow(index);
    if (index >= 0)
        LstStations->scrollToItem(LstStations->item(index));
}
