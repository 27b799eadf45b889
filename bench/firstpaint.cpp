// Starts the application's main window as the application does — or, with the argument "bare", a
// plain QMainWindow, or with "label" a plain QMainWindow showing one Japanese label (the cost of
// loading the fonts) — and quits once that window has been painted for the first time.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "mainwin/mainapplication.h"
#include "platform/appinfo.h"
#include "platform/gui/fonts.h"
#include "platform/gui/translations.h"

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        // Children paint in the same pass; the queued quit runs after it.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("main");
    std::unique_ptr<QMainWindow> plain;
    std::unique_ptr<MainApplication> full;
    QWidget* window = nullptr;
    if (mode == "main") {
        QApplication::setApplicationName(AppInfo::title());
        installApplicationFonts();
        installJapaneseQtTexts();
        full = std::make_unique<MainApplication>();
        window = &full->window();
    } else {
        plain = std::make_unique<QMainWindow>();
        plain->resize(646, 460);
        if (mode == "label") {
            installApplicationFonts();
            new QLabel(QStringLiteral("調査名"), plain.get());
        }
        window = plain.get();
    }
    QuitAfterFirstPaint quitter;
    window->installEventFilter(&quitter);
    window->show();
    return QApplication::exec();
}
