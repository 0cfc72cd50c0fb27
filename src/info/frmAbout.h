// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class ProcessStarter;
class QLabel;
class QPushButton;
class Registry;
class SysInfo;

// The About window: the program's title, version and description, OK (the default and
// the cancel button at once) and a button that starts the system information tool.
// It is an ordinary window, destroyed by OK; About brings it up again.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The designed size: the window opens at it when its texts fit, and larger when not.
    static constexpr int ClientWidth = 396;
    static constexpr int ClientHeight = 236;
    static const QString AppTitle;

    // The system information tool is looked up in the registry and started as a process.
    frmAbout(Registry &registry, ProcessStarter &processes, QWidget *parent = nullptr);
    ~frmAbout() override;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QPushButton *cmdOK() const { return m_ok; }
    QPushButton *cmdSysInfo() const { return m_sysInfo; }

    // Replaces the system information layer (tests hand in fakes).
    void setSysInfo(std::unique_ptr<SysInfo> sysInfo);

    // "Version major.minor.revision" of this build.
    static QString versionText();

private:
    // The width the two wrapped texts keep at least, as designed.
    static constexpr int DescriptionWidth = 310;
    static constexpr int DisclaimerWidth = 250;
    static constexpr int ButtonWidth = 104;

    QLabel *addLabel(const QString &name, int pointSize, bool bold, bool wrap);
    QSize fittingSize(const QSize &available) const;
    void showUnavailable(const QString &text, const QString &title);

    QPushButton *m_ok = nullptr;
    QPushButton *m_sysInfo = nullptr;
    std::unique_ptr<SysInfo> m_info;
};
