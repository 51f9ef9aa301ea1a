#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

// Saves what the X server shows of one window (given by its id) as a PNG.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: grab-window WINDOW-ID OUTPUT.png\n");
        return 2;
    }
    bool isNumber = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&isNumber, 0);
    if (!isNumber) {
        std::fprintf(stderr, "grab-window: %s is no window id\n", argv[1]);
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "grab-window: no picture of window %s\n", argv[1]);
        return 1;
    }
    return 0;
}
