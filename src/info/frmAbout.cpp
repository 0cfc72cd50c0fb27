// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmAbout.h"

#include "info/SysInfo.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVersionNumber>

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
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(programIcon());
    picIcon->setGeometry(14, 14, 32, 32);

    addLabel(QStringLiteral("lblTitle"), QRect(62, 10, 320, 30), 16, true, false);
    addLabel(QStringLiteral("lblVersion"), QRect(62, 40, 320, 20), 9, false, false);
    QLabel *description =
        addLabel(QStringLiteral("lblDescription"), QRect(62, 64, 322, 76), 9, false, true);
    description->setText(
        tr("A trainer for the independence of the fingers at the piano. Both hands "
           "rest on the computer keyboard and answer finger numbers at the same "
           "time: random drills, Hanon-type sequences, a memory test and an "
           "animal game for the youngest players."));

    // The etched separator: a grey line over a white one.
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(8, 148, ClientWidth - 16, 2);
    line->setAutoFillBackground(false);
    line->setStyleSheet(QStringLiteral("border-top: 1px solid rgb(128, 128, 128);"
                                       "border-bottom: 1px solid rgb(255, 255, 255);"));

    QLabel *disclaimer =
        addLabel(QStringLiteral("lblDisclaimer"), QRect(12, 158, 262, 70), 8, false, true);
    disclaimer->setText(
        tr("Warning: Moravel is free software, distributed under the GNU General Public "
           "License version 3 or later, in the hope that it will be useful but WITHOUT ANY "
           "WARRANTY. Practise in short sessions and rest your hands when they tire."));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(282, 162, 104, 28);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_sysInfo = new QPushButton(tr("&System Info..."), this);
    m_sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_sysInfo->setGeometry(282, 198, 104, 28);
    connect(m_sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    setSysInfo(std::make_unique<SysInfo>(
        registry, [](const QString &path) { return QFileInfo(path).isFile(); }, processes,
        [this](const QString &text, const QString &title) { showUnavailable(text, title); }));

    // OK is also the cancel button: Escape and the close box end the window as OK does.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    m_ok->setFocus();
}

frmAbout::~frmAbout() = default;

QLabel *frmAbout::addLabel(const QString &name, const QRect &geometry, int pointSize, bool bold,
                           bool wrap)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
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
