#include "Program.h"
#include "TfMainFrm.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrax"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrax"));

    DataModuleCreate(ExecutableDir());

    TfMainFrm mainForm;
    // Maximised; a desktop without a window manager ignores the state, so size it too.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        mainForm.setGeometry(screen->availableGeometry());
    mainForm.showMaximized();
    return QApplication::exec();
}
