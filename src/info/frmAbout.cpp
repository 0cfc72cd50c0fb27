// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmAbout.h"

#include "info/SysInfo.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVersionNumber>

#include <algorithm>

const QString frmAbout::AppTitle = QStringLiteral("Moravel");

namespace {

// The program's icon, drawn rather than shipped: a few piano keys with a numbered
// fingertip above them.
QPixmap programIcon()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x50, 0x58, 0x68), 1));
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(2.5 + i * 7, 12.5, 7, 18));
    p.setBrush(QColor(0x22, 0x26, 0x30));
    for (int i : {0, 1, 2})
        p.drawRect(QRectF(7 + i * 7, 12.5, 4, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x70, 0x00));
    p.drawEllipse(QRectF(18, 0.5, 13, 13));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(18, 0.5, 13, 13), Qt::AlignCenter, QStringLiteral("1"));
    return icon;
}

} // namespace

frmAbout::frmAbout(Registry &registry, ProcessStarter &processes, QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    // The window keeps its designed arrangement (icon and title over the description, the
    // licence beside the buttons) but sizes to its texts, which are longer in some
    // languages than in English.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 10, 8);
    layout->setSpacing(8);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programIcon());
    picIcon->setFixedSize(32, 32);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    auto *heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(addLabel(QStringLiteral("lblTitle"), 16, true, false));
    heading->addWidget(addLabel(QStringLiteral("lblVersion"), 9, false, false));
    QLabel *description = addLabel(QStringLiteral("lblDescription"), 9, false, true);
    description->setMinimumWidth(DescriptionWidth);
    description->setText(
        tr("A trainer for the independence of the fingers at the piano. Both hands "
           "rest on the computer keyboard and answer finger numbers at the same "
           "time: random drills, Hanon-type sequences, a memory test and an "
           "animal game for the youngest players."));
    heading->addWidget(description);
    top->addLayout(heading, 1);
    layout->addLayout(top);

    // The etched separator: a grey line over a white one.
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFixedHeight(2);
    line->setAutoFillBackground(false);
    line->setStyleSheet(QStringLiteral("border-top: 1px solid rgb(128, 128, 128);"
                                       "border-bottom: 1px solid rgb(255, 255, 255);"));
    layout->addWidget(line);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    QLabel *disclaimer = addLabel(QStringLiteral("lblDisclaimer"), 8, false, true);
    disclaimer->setMinimumWidth(DisclaimerWidth);
    disclaimer->setText(
        tr("Warning: Moravel is free software, distributed under the GNU General Public "
           "License version 3 or later, in the hope that it will be useful but WITHOUT ANY "
           "WARRANTY. Practise in short sessions and rest your hands when they tire."));
    bottom->addWidget(disclaimer, 1, Qt::AlignTop);

    auto *buttons = new QVBoxLayout;
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    m_sysInfo = new QPushButton(tr("&System Info..."), this);
    m_sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(m_sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    for (QPushButton *button : {m_ok, m_sysInfo}) {
        button->setMinimumSize(ButtonWidth, 28);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    bottom->addLayout(buttons);
    layout->addLayout(bottom, 1);

    setSysInfo(std::make_unique<SysInfo>(
        registry, [](const QString &path) { return QFileInfo(path).isFile(); }, processes,
        [this](const QString &text, const QString &title) { showUnavailable(text, title); }));

    // OK is also the cancel button: Escape and the close box end the window as OK does.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    m_ok->setFocus();
}

frmAbout::~frmAbout() = default;

QLabel *frmAbout::addLabel(const QString &name, int pointSize, bool bold, bool wrap)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QSize frmAbout::fittingSize(const QSize &available) const
{
    // The designed size where the texts fit in it; larger where they do not, with the
    // wrapped texts as tall as the width lets them be; never larger than the screen.
    QSize size = sizeHint().expandedTo(QSize(ClientWidth, ClientHeight));
    if (layout()->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout()->totalHeightForWidth(size.width())));
    return available.isValid() ? size.boundedTo(available) : size;
}

QString frmAbout::versionText()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(MORAVEL_VERSION));
    return tr("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(AppTitle));
    findChild<QLabel *>(QStringLiteral("lblVersion"))->setText(versionText());
    findChild<QLabel *>(QStringLiteral("lblTitle"))->setText(AppTitle);
    const QScreen *shown = screen();
    resize(fittingSize(shown ? shown->availableGeometry().size() : QSize()));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    if (m_info)
        m_info->StartSysInfo();
}

void frmAbout::setSysInfo(std::unique_ptr<SysInfo> sysInfo)
{
    m_info = std::move(sysInfo);
}

void frmAbout::showUnavailable(const QString &text, const QString &title)
{
    // The message is the system information layer's own text; shown, it is translated.
    const QString shown = text == SysInfo::UnavailableText
                              ? tr("System Information Is Unavailable At This Time")
                              : text;
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("SysInfoMessage"));
    box.exec();
}
