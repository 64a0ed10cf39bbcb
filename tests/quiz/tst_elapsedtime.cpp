#include <QTest>

#include <limits>

#include "ElapsedTime.h"
#include "LocalClock.h"

class ElapsedTimeTest : public QObject
{
    Q_OBJECT

private slots:
    void timeText_data();
    void timeText();
    void localClockCountsAcrossDateBoundaries_data();
    void localClockCountsAcrossDateBoundaries();
    void localClockReadsNow();
};

void ElapsedTimeTest::timeText_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("text");
    const qint64 s = 1000, min = 60 * s, h = 60 * min;
    QTest::newRow("zero") << qint64(0) << "0 heures  0 minutes 0 secondes et 0 millisecondes !";
    QTest::newRow("5 ms, no leading zeros") << qint64(5) << "0 heures  0 minutes 0 secondes et 5 millisecondes !";
    QTest::newRow("1 min 2.345 s") << 1 * min + 2345 << "0 heures  1 minutes 2 secondes et 345 millisecondes !";
    QTest::newRow("10 min") << 10 * min << "0 heures  10 minutes 0 secondes et 0 millisecondes !";
    QTest::newRow("1 h 2 min 3.004 s") << h + 2 * min + 3004 << "1 heures  2 minutes 3 secondes et 4 millisecondes !";
    QTest::newRow("13 h stays 13") << 13 * h << "13 heures  0 minutes 0 secondes et 0 millisecondes !";
    QTest::newRow("just under a day") << 24 * h - 1 << "23 heures  59 minutes 59 secondes et 999 millisecondes !";
    QTest::newRow("exactly a day") << 24 * h << "0 heures  0 minutes 0 secondes et 0 millisecondes !";
    QTest::newRow("25 h 1 ms") << 25 * h + 1 << "1 heures  0 minutes 0 secondes et 1 millisecondes !";
    QTest::newRow("minus 1.5 s") << qint64(-1500) << "0 heures  0 minutes 1 secondes et 500 millisecondes !";
    QTest::newRow("minus 25 h") << -25 * h << "1 heures  0 minutes 0 secondes et 0 millisecondes !";
    // 9223372036854775807 ms is 106751991167 days and 7:12:55.807.
    QTest::newRow("largest") << std::numeric_limits<qint64>::max()
                             << "7 heures  12 minutes 55 secondes et 807 millisecondes !";
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min()
                              << "7 heures  12 minutes 55 secondes et 808 millisecondes !";
}

void ElapsedTimeTest::timeText()
{
    QFETCH(qint64, elapsed);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatElapsedTime(elapsed)), text);
}

void ElapsedTimeTest::localClockCountsAcrossDateBoundaries_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<qint64>("elapsed");
    QTest::newRow("midnight") << qint64(toLocalTime({2026, 12, 11, 23, 59, 30, 0}))
                              << qint64(toLocalTime({2026, 12, 12, 0, 0, 45, 500})) << qint64(75'500);
    QTest::newRow("new year") << qint64(toLocalTime({2026, 12, 31, 23, 59, 59, 999}))
                              << qint64(toLocalTime({2027, 1, 1, 0, 0, 0, 0})) << qint64(1);
    QTest::newRow("leap day") << qint64(toLocalTime({2028, 2, 28, 12, 0, 0, 0}))
                              << qint64(toLocalTime({2028, 3, 1, 12, 0, 0, 0})) << qint64(2 * 86'400'000);
    QTest::newRow("same millisecond") << qint64(toLocalTime({2026, 6, 1, 8, 0, 0, 7}))
                                      << qint64(toLocalTime({2026, 6, 1, 8, 0, 0, 7})) << qint64(0);
}

void ElapsedTimeTest::localClockCountsAcrossDateBoundaries()
{
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(qint64, elapsed);
    QCOMPARE(end - start, elapsed);
}

void ElapsedTimeTest::localClockReadsNow()
{
    // The reading is the local civil time: it matches what localtime_r says now.
    const std::time_t before = std::time(nullptr);
    const LocalTime reading = readLocalClock();
    std::tm local{};
    localtime_r(&before, &local);
    const LocalTime expected = toLocalTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                            local.tm_min, local.tm_sec, 0});
    QVERIFY2(reading >= expected && reading < expected + 2000, "reading is not the local time of day");
}

QTEST_APPLESS_MAIN(ElapsedTimeTest)
#include "tst_elapsedtime.moc"
