// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "frame/WindowCatalog.h"
#include "platform/AppendLogFile.h"
#include "platform/DesktopOpener.h"
#include "platform/QtHandPlayer.h"
#include "platform/QtSyncSound.h"
#include "platform/QtTicker.h"
#include "platform/SystemClock.h"
#include "platform/SystemRandom.h"
#include "settings/ResultsLog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moravel"));
    QApplication::setApplicationVersion(QStringLiteral(MORAVEL_VERSION));
    // The program ends when an exercise window closes, not when the last one hides.
    QApplication::setQuitOnLastWindowClosed(false);

    PracticeSettings settings;
    const ProgramFolder folder(QCoreApplication::applicationDirPath());
    AppendLogFile logFile(folder.filePath(QString::fromLatin1(ResultsLog::FileName)));
    SystemClock clock;
    ResultsLog log(logFile, clock);
    SystemRandom random;
    QtHandPlayer startAndEndSound(QtHandPlayer::SyncBufferMs);
    QtSyncSound sound(startAndEndSound);
    DesktopOpener opener;
    AppContext context{
        settings, folder, log, random, sound, opener, [] { return std::make_unique<QtTicker>(); }};

    Forms forms(context);
    WindowCatalog::registerAll(forms);
    forms.show(QStringLiteral("frmLog"));
    return app.exec();
}
