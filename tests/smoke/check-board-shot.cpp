#include <QImage>
#include <QStringList>

#include <cstdio>
#include <set>
#include <utility>

// Checks a picture of the window after a game of two players on the default
// 19 by 19 board: the clicked points hold stones, black first, and every
// other intersection shows the grid crossing with the background beside it.
namespace {

const QSize BoardSize(794, 748);
constexpr int GridSteps = 20;
constexpr int Lines = 19;
const QRgb Background = qRgb(192, 192, 255);
const QRgb BlackStone = qRgb(0, 0, 0);
const QRgb WhiteStone = qRgb(255, 255, 255);
// Inside a stone, off the grid lines.
constexpr double StoneProbe = 0.2;

int failures = 0;

void Expect(const QImage& shot, QPoint origin, double column, double row, QRgb expected,
            const char* what)
{
    const QPoint pixel = origin + QPoint(int(column * BoardSize.width() / GridSteps),
                                         int(row * BoardSize.height() / GridSteps));
    const QRgb seen = shot.pixel(pixel) & 0xFFFFFF;
    if (seen == (expected & 0xFFFFFF))
        return;
    ++failures;
    std::fprintf(stderr, "(%g, %g) at pixel (%d, %d): %s expected, #%06x seen\n", column, row,
                 pixel.x(), pixel.y(), what, seen);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: check-board-shot SHOT.png [COLUMN,ROW ...]\n");
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    if (shot.width() != BoardSize.width() || shot.height() <= BoardSize.height()) {
        std::fprintf(stderr, "%s: %dx%d is no picture of the window\n", argv[1], shot.width(),
                     shot.height());
        return 1;
    }
    // The menu bar sits above the drawing area, which fills the rest.
    const QPoint origin(0, shot.height() - BoardSize.height());

    std::set<std::pair<int, int>> stones;
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(u',');
        const int column = parts.value(0).toInt();
        const int row = parts.value(1).toInt();
        const bool black = (i - 2) % 2 == 0;
        Expect(shot, origin, column, row, black ? BlackStone : WhiteStone, "stone centre");
        Expect(shot, origin, column + StoneProbe, row + StoneProbe,
               black ? BlackStone : WhiteStone, "stone");
        stones.insert({column, row});
    }
    for (int column = 1; column <= Lines; ++column) {
        for (int row = 1; row <= Lines; ++row) {
            if (stones.count({column, row}))
                continue;
            Expect(shot, origin, column, row, BlackStone, "grid crossing");
            Expect(shot, origin, column + StoneProbe, row + StoneProbe, Background,
                   "empty point");
        }
    }
    Expect(shot, origin, 0.5, 0.5, Background, "margin");
    Expect(shot, origin, 19.5, 19.5, Background, "margin");
    if (failures)
        std::fprintf(stderr, "%d pixels wrong\n", failures);
    else
        std::printf("grid and %zu stones as clicked\n", stones.size());
    return failures ? 1 : 0;
}
