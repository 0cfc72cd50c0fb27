// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/PictureWindow.h"

#include "frame/Palette.h"

#include "frame/BackgroundWidget.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

PictureWindow::Look PictureWindow::form2()
{
    return {tr("Key disposition"), keysPicture(false),      tr("Key disposition :"), 24,
            QSize(511, 469),       QColor(0xf1, 0xf4, 0xf8)};
}

QString PictureWindow::keysPicture(bool laptop)
{
    return laptop ? QStringLiteral(":/pictures/keys-laptop.svg")
                  : QStringLiteral(":/pictures/keys.svg");
}

void PictureWindow::setPicture(const QString &picture)
{
    if (auto *canvas = findChild<BackgroundWidget *>(QStringLiteral("canvas")))
        canvas->setPicture(picture);
}

QString PictureWindow::fingersPicture(bool laptop)
{
    return laptop ? QStringLiteral(":/pictures/fingers-laptop.svg")
                  : QStringLiteral(":/pictures/fingers.svg");
}

PictureWindow::Look PictureWindow::formDisposition()
{
    return {tr("Finger disposition"), fingersPicture(false), tr("finger disposition :"), 18,
            QSize(376, 435),          QColor(Qt::white)};
}

PictureWindow::PictureWindow(const Look &look, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(look.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(look.client);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *canvas = new BackgroundWidget(look.picture, look.background, look.client, this);
    canvas->setObjectName(QStringLiteral("canvas"));
    // The picture's words in the player's language; the key legends stay as printed.
    canvas->setWords(
        {{QStringLiteral("← left hand"), QStringLiteral("← ") + tr("left hand")},
         {QStringLiteral("right hand →"), tr("right hand") + QStringLiteral(" →")},
         {QStringLiteral("Space"), QCoreApplication::translate("KeyMap", "Space")},
         {QStringLiteral("Page Down"), QCoreApplication::translate("KeyMap", "Page Down")},
         {QStringLiteral("Num Lock"), QCoreApplication::translate("KeyMap", "Num Lock")}});
    layout->addWidget(canvas);

    auto *label = new QLabel(look.label, canvas);
    label->setObjectName(QStringLiteral("Label1"));
    QFont font = label->font();
    font.setPointSize(look.labelPointSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Palette::Ink);
    label->setPalette(palette);
    const int height = label->sizeHint().height();
    label->setGeometry(12, look.client.height() - height - 4, look.client.width() - 24, height);
}

void PictureWindow::present(bool modal)
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    if (modal) {
        setWindowModality(Qt::ApplicationModal);
        exec();
    } else {
        setWindowModality(Qt::NonModal);
        show();
        raise();
        activateWindow();
    }
}
