// SPDX-License-Identifier: GPL-3.0-or-later
#include "preschool/frmPreschool.h"

#include "frame/AppContext.h"
#include "frame/CountDialog.h"
#include "frame/Forms.h"
#include "frame/Palette.h"
#include "ports/HandPlayer.h"
#include "ports/Ticker.h"
#include "preschool/AnimalPicture.h"
#include "preschool/AnimalTable.h"
#include "preschool/PreschoolDrill.h"
#include "settings/ComfortSettings.h"

#include <QLabel>
#include <QPainter>

namespace {

const QColor Ink = Palette::Ink;
const QColor LeftAccent = Palette::LeftAccent;
const QColor RightAccent = Palette::RightAccent;

// The colours of the numbered fingertips in the background picture, so the digit on
// screen matches the finger it names.
QColor fingerColour(const QString &task)
{
    static const QColor colours[] = {QColor(0xe0, 0x4f, 0x5f), QColor(0xe8, 0x8a, 0x1a),
                                     QColor(0x3f, 0xa3, 0x4d), QColor(0x3a, 0x8f, 0xd8),
                                     QColor(0x8e, 0x5c, 0xc9)};
    const int finger = task.toInt();
    return finger >= 1 && finger <= 5 ? colours[finger - 1] : Ink;
}

// A hand's score panel: a white card with a coloured border, drawn for its size, so it
// keeps its proportions in a scaled window.
class ScorePanel : public QWidget {
public:
    ScorePanel(const QColor &accent, int designedHeight, QWidget *parent)
        : QWidget(parent), m_accent(accent), m_designedHeight(designedHeight)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qreal scale = qreal(height()) / m_designedHeight;
        const qreal border = 3 * scale;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_accent, border));
        painter.setBrush(QColor(255, 255, 255, 238));
        const qreal inset = border / 2;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 18 * scale,
                                18 * scale);
    }

private:
    QColor m_accent;
    int m_designedHeight;
};

} // namespace

frmPreschool::frmPreschool(Forms &forms, QWidget *parent)
    : ExerciseWindow(forms, ExerciseKind::Preschool, QStringLiteral(":/pictures/preschool.svg"),
                     parent),
      m_timerLeva(forms.context().makeTicker()), m_timerDesna(forms.context().makeTicker()),
      m_player1(forms.context().makePlayer()), m_player2(forms.context().makePlayer())
{
    AppContext &ctx = context();
    for (int i = 1; i <= AnimalTable::EmptyPicture; ++i) {
        m_pictures[i] = QPixmap(AnimalTable::picturePath(i));
        m_pictures[i].setDevicePixelRatio(AnimalTable::PicturePixelRatio);
    }

    m_logic = std::make_unique<PreschoolDrill>(
        drillPorts(), ctx.random,
        PreschoolPorts{*m_player1, *m_player2, *m_timerLeva, *m_timerDesna}, ctx.folder);
    addLabels();
    attachDrill(m_logic.get());
    // The calls and answers follow the volume.
    if (ctx.comfort) {
        ctx.comfort->attach(*m_player1);
        ctx.comfort->attach(*m_player2);
    }
    connect(m_logic.get(), &DrillCore::changed, this, &frmPreschool::renderPictures);
    renderPictures();
}

frmPreschool::~frmPreschool()
{
    if (ComfortSettings *comfort = context().comfort) {
        comfort->detach(*m_player1);
        comfort->detach(*m_player2);
    }
}

void frmPreschool::addLabels()
{
    const int side = PictureAreaSize;
    m_image1 = new AnimalPicture(LeftAccent, side, canvas());
    m_image1->setObjectName(QStringLiteral("Image1"));
    place(m_image1, QRect(14, 12, side, side));
    m_image2 = new AnimalPicture(RightAccent, side, canvas());
    m_image2->setObjectName(QStringLiteral("Image2"));
    place(m_image2, QRect(ClientWidth - 14 - side, 12, side, side));

    place(new ScorePanel(LeftAccent, 110, canvas()), QRect(8, 470, 262, 110));
    place(new ScorePanel(RightAccent, 110, canvas()), QRect(ClientWidth - 8 - 262, 470, 262, 110));

    const auto center = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const QColor points = Palette::Points;

    addLabel(Label::Label8, 14, true, QRect(245, 10, 170, 40), right, Ink);
    addLabel(Label::lblRezultat, 24, true, QRect(421, 4, 140, 52), left, Ink);
    addLabel(Label::Label1, 48, true, QRect(190, 56, 150, 100), center, Palette::LeftInk);
    addLabel(Label::Label2, 48, true, QRect(420, 56, 150, 100), center, Palette::RightInk);

    struct Row {
        Label caption, score, plus, worth;
        int x;
    };
    const Row rows[] = {{Label::Label5_0, Label::lbllRezultat, Label::Label6, Label::lbllpoeni, 8},
                        {Label::Label5_1, Label::lbldRezultat, Label::Label10, Label::lbldpoeni,
                         ClientWidth - 8 - 262}};
    for (const Row &row : rows) {
        addLabel(row.caption, 12, true, QRect(row.x + 18, 478, 230, 26), left, Ink);
        addLabel(row.score, 24, true, QRect(row.x + 10, 508, 110, 56), right, Ink);
        addLabel(row.plus, 24, true, QRect(row.x + 122, 508, 36, 56), center, Ink);
        addLabel(row.worth, 24, true, QRect(row.x + 160, 508, 80, 56), left, points);
    }
}

void frmPreschool::renderPictures()
{
    if (!m_logic)
        return;
    const auto show = [this](AnimalPicture *area, int index) {
        area->setPicture(index >= 1 && index <= AnimalTable::EmptyPicture ? m_pictures[index]
                                                                          : QPixmap());
    };
    show(m_image1, m_logic->Image1());
    show(m_image2, m_logic->Image2());

    for (Label name : {Label::Label1, Label::Label2}) {
        QLabel *digit = label(name);
        const QString task = digit->text();
        if (task.isEmpty() || task == QLatin1String("L") || task == QLatin1String("R"))
            continue;
        QPalette palette = digit->palette();
        palette.setColor(QPalette::WindowText, fingerColour(task));
        digit->setPalette(palette);
    }
}

void frmPreschool::Form_Load()
{
    m_logic->Form_Load(QString::fromUtf16(CountDialog::TaskCount.initialText));
}
