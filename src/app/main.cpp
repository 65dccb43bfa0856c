// GRAFIDA, the desktop program: the splash window, then the main window; files
// named on the command line open as if dropped on it.

#include "app/QtReporter.h"
#include "app/TFMain.h"
#include "app/TFormSplash.h"
#include "numeric/Reporter.h"
#include "workspace/Places.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QIcon>
#include <QThread>
#include <memory>

namespace {

// The splash stays up at least until the clock's next whole second.
void WaitForNextSecond() {
    const qint64 start = QDateTime::currentMSecsSinceEpoch() / 1000;
    for (int i = 0; i < 1000 && QDateTime::currentMSecsSinceEpoch() / 1000 == start; ++i)
        QThread::msleep(1);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/grafida/grafida.png")));

    QFile picture(QStringLiteral(":/grafida/splash.jpg"));
    picture.open(QIODevice::ReadOnly);
    grafida::app::TFormSplash splash(picture.readAll());
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationDisplayName(QStringLiteral("GRAFIDA"));
    grafida::app::QtReporter reporter;
    grafida::SetProcessReporter(&reporter);
    std::unique_ptr<grafida::app::TFMain> window;
    try {
        WaitForNextSecond();
        auto workspace = std::make_unique<grafida::Workspace>(grafida::ExecutableFolder());
        window = std::make_unique<grafida::app::TFMain>(std::move(workspace));
    } catch (const std::exception& error) {
        splash.close();
        reporter.Error(error.what());
        return 1;
    }
    reporter.SetOwner(window.get());
    window->show();
    splash.close();

    std::vector<std::string> files;
    for (const QString& argument : QApplication::arguments().mid(1))
        files.push_back(argument.toStdString());
    if (!files.empty())
        QMetaObject::invokeMethod(
            window.get(), [&window, files] { window->DropFiles(files); }, Qt::QueuedConnection);

    const int status = QApplication::exec();
    window.reset();
    grafida::SetProcessReporter(nullptr);
    return status;
}
