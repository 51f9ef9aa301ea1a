#include "platform/FixedStartRandom.h"

#include <QTest>

#include <array>

class RandomTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRunStartsFromTheSameState()
    {
        FixedStartRandom first;
        FixedStartRandom second;
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(first.Next(), second.Next());
    }

    // Uniform in [0, 1): thirds come up alike, so the computer's 1, 2 and
    // 3 stones are equally likely, and 1.0 never comes.
    void numbersAreUniformBelowOne()
    {
        FixedStartRandom random;
        std::array<int, 3> thirds{};
        const int draws = 300000;
        for (int i = 0; i < draws; ++i) {
            const float u = random.Next();
            QVERIFY(u >= 0.0f && u < 1.0f);
            ++thirds[int(u * 3.0f)];
        }
        for (int count : thirds)
            QVERIFY(qAbs(count - draws / 3) < draws / 100);
    }
};

QTEST_APPLESS_MAIN(RandomTest)
#include "tst_random.moc"
