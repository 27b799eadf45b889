// Starts the application's main window as the application does — or, with the argument "bare", a
// plain QMainWindow, or with "label" a plain QMainWindow showing one Japanese label (the cost of
// loading the fonts) — and ends once that window has been painted for the first time.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "mainwin/mainapplication.h"
#include "platform/gui/fonts.h"

namespace {

// Children paint in the same pass; the queued end runs after it. The process ends there and then:
// closing the windows and writing the settings come after start-up, and are not measured.
class EndAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
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
        MainApplication::setUp();
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
    EndAfterFirstPaint ender;
    window->installEventFilter(&ender);
    window->show();
    return QApplication::exec();
}
