#include "ScriptedPlatform.h"
#include "platform/LooseNumber.h"
#include "platform/Surface.h"
#include "window/Game.h"
#include "window/SizeAnswer.h"

#include <QTest>

#include <cmath>

namespace {

constexpr Color Background = Rgb(192, 192, 255);
const QSize DrawingArea(794, 748);
// Taken by both prompts after a refused answer.
const QString SoundAnswer = QStringLiteral("0909");
// A clearing, then nine lines each way.
constexpr int SoundBoardDrawings = 1 + 9 + 9;

} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)

class AnswersTest : public QObject
{
    Q_OBJECT

private slots:
    void numbersReadAsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1919" << 1919.0;
        QTest::newRow("leading zero") << "0810" << 810.0;
        QTest::newRow("blanks around") << "  12\t " << 12.0;
        QTest::newRow("signs") << "-7" << -7.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("fraction") << "1919.5" << 1919.5;
        QTest::newRow("no integer part") << ".5" << 0.5;
        QTest::newRow("bare point") << "3." << 3.0;
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("signed exponent") << "25E-1" << 2.5;
    }
    void numbersReadAsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ToNumber(text), std::optional<double>(value));
    }

    void otherTextIsNoNumber_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"", "   ", "abc", "19a", "0x1919", "1,919", "--1", "1e", "e5",
                                 ".", "+", "nan", "inf", "1 9", "1.2.3"})
            QTest::newRow(text) << QString::fromLatin1(text);
        QTest::newRow("full-width digits") << QStringLiteral("１９１９");
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("١٩");
        QTest::newRow("embedded NUL") << QString::fromLatin1("19\0" "19", 5);
    }
    void otherTextIsNoNumber()
    {
        QFETCH(QString, text);
        QCOMPARE(ToNumber(text), std::nullopt);
    }

    void intRoundsDownAndModRoundsHalfEven()
    {
        QCOMPARE(Int(19.195), 19.0);
        QCOMPARE(Int(-0.07), -1.0);
        QCOMPARE(Mod(1919.5, 100), 20.0);
        QCOMPARE(Mod(1918.5, 100), 18.0);
        QCOMPARE(Mod(-1234, 100), -34.0);
        QCOMPARE(Mod(2.5, 100), 2.0);
    }

    void sizeAnswersSplitIntoColumnsAndRows_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::newRow("1919") << "1919" << 19 << 19;
        QTest::newRow("0810") << "0810" << 8 << 10;
        QTest::newRow("12345") << "12345" << 123 << 45;
        QTest::newRow("7") << "7" << 0 << 7;
        QTest::newRow("0") << "0" << 0 << 0;
        QTest::newRow("1919.5") << "1919.5" << 19 << 20;
        QTest::newRow("negative") << "-1234" << -13 << -34;
        QTest::newRow("largest") << "2147483647" << 21474836 << 47;
    }
    void sizeAnswersSplitIntoColumnsAndRows()
    {
        QFETCH(QString, answer);
        QFETCH(int, cols);
        QFETCH(int, rows);
        const std::optional<GridSize> size = GridSizeFromAnswer(answer);
        QVERIFY(size);
        QCOMPARE(size->Cols, cols);
        QCOMPARE(size->Rows, rows);
    }

    void sizeAnswersOutside32BitsAreRefused()
    {
        QVERIFY(!GridSizeFromAnswer(QStringLiteral("2147483648")));
        QVERIFY(!GridSizeFromAnswer(QStringLiteral("2147483647.5")));
        QVERIFY(!GridSizeFromAnswer(QStringLiteral("-2147483649")));
        QVERIFY(!GridSizeFromAnswer(QStringLiteral("1e400")));
        QVERIFY(!GridSizeFromAnswer(QString(10000, u'9')));
        QVERIFY(GridSizeFromAnswer(QStringLiteral("-2147483648")));
    }

    // Answers that neither prompt may take: each is asked again, and
    // nothing is drawn until the sound answer that follows.
    void nastyAnswersAreAskedAgainAtBothPrompts_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        for (const char* text : {"1e400", "-1e400", "nan", "NaN", "inf", "-inf", "Infinity", "--1",
                                 "+-1", "1e", "1e+", "e5", ".", "0x1919", "1,919", "1919abc", "",
                                 " ", "   \t  ", "2147483648", "99999999999999999999"})
            QTest::newRow(text) << std::optional<QString>(QString::fromLatin1(text));
        QTest::newRow("cancelled") << std::optional<QString>();
        QTest::newRow("full-width digits") << std::optional<QString>(QStringLiteral("１９１９"));
        QTest::newRow("Arabic-Indic digits") << std::optional<QString>(QStringLiteral("١٩١٩"));
        QTest::newRow("Devanagari digits") << std::optional<QString>(QStringLiteral("१९१९"));
        QTest::newRow("embedded NUL")
            << std::optional<QString>(QString::fromLatin1("19\0" "19", 5));
        QTest::newRow("10,000 nines") << std::optional<QString>(QString(10000, u'9'));
        QTest::newRow("10,000 letters") << std::optional<QString>(QString(10000, u'x'));
        QTest::newRow("10,000 characters of a number and a letter")
            << std::optional<QString>(QString(9999, u'1') + u'x');
    }
    void nastyAnswersAreAskedAgainAtBothPrompts()
    {
        QFETCH(std::optional<QString>, answer);
        {
            // Cancelling the window-size prompt ends the program instead.
            ScriptedPlatform desktop;
            desktop.Answers = {answer ? answer : QString(), SoundAnswer};
            Surface board(DrawingArea, Background);
            Game game(board, desktop);
            QVERIFY(game.AskWindowSize());
            QCOMPARE(desktop.Prompts.size(), 2u);
            QCOMPARE(game.State.SizeAnswer, SoundAnswer);
            QCOMPARE(board.ScaleWidth(), 10.0f);
        }
        ScriptedPlatform desktop;
        Surface board(DrawingArea, Background);
        Game game(board, desktop);
        desktop.Answers = {QStringLiteral("1919"), answer, SoundAnswer, QStringLiteral("2")};
        game.AskWindowSize();
        int drawings = 0;
        board.Changed = [&] { ++drawings; };
        game.NewGame();
        QCOMPARE(desktop.Prompts.size(), 4u);
        QCOMPARE(desktop.Prompts[2].Default, QStringLiteral("1919"));
        QCOMPARE(game.State.SizeAnswer, SoundAnswer);
        QCOMPARE(drawings, SoundBoardDrawings);
    }
};

QTEST_APPLESS_MAIN(AnswersTest)
#include "tst_answers.moc"
