#include <QTest>

#include "FakeQuizHost.h"
#include "Quiz.h"

using Calls = std::vector<std::string>;

namespace {

constexpr TModalResult Yes = 6;
constexpr TModalResult Closed = 2;

const std::string startGame[] = {"ReturnWordsToColumn", "ReadLocalClock"};

Calls gameStart()
{
    return Calls(std::begin(startGame), std::end(startGame));
}

Calls concat(std::initializer_list<Calls> parts)
{
    Calls all;
    for (const Calls &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void placeAllCorrectly(Quiz &quiz)
{
    for (int n = 1; n <= 5; ++n)
        quiz.RecordPlacement(n, n);
}

Calls ending(const std::string &elapsedText, int mark)
{
    return {"ReadLocalClock", "ShowNotice: Tu as mis : \n" + elapsedText, "SetBanner: Premier essai",
            "ShowNotice: Fini ! Score final  : " + std::to_string(mark) + "/20 !", "AskYesNo: Recommencer ?"};
}

} // namespace

class QuizTest : public QObject
{
    Q_OBJECT

private slots:
    void startGameResetsEverythingInOrder();
    void checkMessages_data();
    void checkMessages();
    void bannerAfterEachWrongCheck();
    void slotsSurviveAWrongCheck();
    void wordMovedFromDotToDot();
    void freedDotTakesAnotherWord();
    void marks_data();
    void marks();
    void fourthWrongCheckEndsTheGameWithoutReturningTheWords();
    void clockIsReadOnlyAfterTheLastBoxCloses();
    void replayUnlessTheAnswerIsNo_data();
    void replayUnlessTheAnswerIsNo();
    void placementsOutsideTheSlotsAreIgnored_data();
    void placementsOutsideTheSlotsAreIgnored();
};

void QuizTest::startGameResetsEverythingInOrder()
{
    FakeQuizHost host;
    host.clockReadings = {1000, 5000};
    Quiz quiz(host);
    quiz.StartGame();
    quiz.RecordPlacement(2, 3);
    quiz.CheckAnswers(); // one wrong check moves the attempt on
    host.take();

    quiz.StartGame();
    QCOMPARE(host.take(), gameStart()); // no message, no banner
    QCOMPARE(quiz.attemptNumber(), 1);
    QCOMPARE(quiz.correctCount(), 0);
    QCOMPARE(quiz.startTime(), LocalTime(5000));
    for (int dot = 1; dot <= 5; ++dot)
        QCOMPARE(quiz.answer(dot), 0);
}

void QuizTest::checkMessages_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << 0 << "0 réponse juste sur 5  !";
    QTest::newRow("1 singular") << 1 << "1 réponse juste sur 5  !";
    QTest::newRow("2 plural") << 2 << "2 réponses justes sur 5  !";
    QTest::newRow("3") << 3 << "3 réponses justes sur 5  !";
    QTest::newRow("4") << 4 << "4 réponses justes sur 5  !";
}

void QuizTest::checkMessages()
{
    QFETCH(int, correct);
    QFETCH(QString, message);
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    // The first `correct` dots get their own word, the others a wrong one.
    for (int dot = 1; dot <= 5; ++dot)
        quiz.RecordPlacement(dot <= correct ? dot : dot % 5 + 1, dot);
    host.take();

    quiz.CheckAnswers();
    QCOMPARE(host.take(),
             (Calls{"ShowInfo: " + message.toStdString(), "SetBanner: Deuxième essai", "ReturnWordsToColumn"}));
    QCOMPARE(quiz.attemptNumber(), 2);
    QCOMPARE(quiz.correctCount(), 0);
}

void QuizTest::bannerAfterEachWrongCheck()
{
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    host.take();
    const char *banners[] = {"Deuxième essai", "Troisième essai", "Dernier essai"};
    for (int attempt = 1; attempt <= 3; ++attempt) {
        QCOMPARE(quiz.attemptNumber(), attempt);
        quiz.CheckAnswers(); // nothing placed
        QCOMPARE(host.take(), (Calls{"ShowInfo: 0 réponse juste sur 5  !",
                                     std::string("SetBanner: ") + banners[attempt - 1], "ReturnWordsToColumn"}));
    }
    QCOMPARE(quiz.attemptNumber(), 4);
}

void QuizTest::slotsSurviveAWrongCheck()
{
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    quiz.RecordPlacement(1, 1);
    quiz.RecordPlacement(2, 2);
    quiz.RecordPlacement(3, 3);
    quiz.RecordPlacement(5, 4);
    quiz.CheckAnswers();
    host.take();

    // The words went back to the column, but the slots still say 3 right.
    quiz.CheckAnswers();
    QCOMPARE(host.take(),
             (Calls{"ShowInfo: 3 réponses justes sur 5  !", "SetBanner: Troisième essai", "ReturnWordsToColumn"}));
    QCOMPARE(quiz.answer(4), 5);
}

void QuizTest::wordMovedFromDotToDot()
{
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    quiz.RecordPlacement(1, 1);
    quiz.RecordPlacement(1, 2);
    QCOMPARE((std::vector<int>{quiz.answer(1), quiz.answer(2), quiz.answer(3), quiz.answer(4), quiz.answer(5)}),
             (std::vector<int>{1, 1, 0, 0, 0}));
    host.take();
    quiz.CheckAnswers();
    QCOMPARE(host.take().front(), std::string("ShowInfo: 1 réponse juste sur 5  !"));
}

void QuizTest::freedDotTakesAnotherWord()
{
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    quiz.RecordPlacement(2, 2);
    quiz.RecordPlacement(2, 4);
    quiz.RecordPlacement(3, 2);
    QCOMPARE(quiz.answer(2), 3);
    QCOMPARE(quiz.answer(4), 2);
    host.take();
    quiz.CheckAnswers();
    QCOMPARE(host.take().front(), std::string("ShowInfo: 0 réponse juste sur 5  !"));
}

void QuizTest::marks_data()
{
    QTest::addColumn<int>("wrongChecksFirst");
    QTest::addColumn<int>("mark");
    QTest::newRow("first check") << 0 << 20;
    QTest::newRow("second check") << 1 << 15;
    QTest::newRow("third check") << 2 << 10;
    QTest::newRow("fourth check") << 3 << 5;
}

void QuizTest::marks()
{
    QFETCH(int, wrongChecksFirst);
    QFETCH(int, mark);
    FakeQuizHost host;
    host.clockReadings = {0};
    Quiz quiz(host);
    quiz.StartGame();
    for (int i = 0; i < wrongChecksFirst; ++i)
        quiz.CheckAnswers();
    placeAllCorrectly(quiz);
    host.take();

    quiz.CheckAnswers();
    // "Tout juste" is the only box of the check: no count message, no banner change, no words moved.
    QCOMPARE(host.take(), concat({{"ShowInfo: Tout juste ! Bravo !"},
                                  ending("0 heures  0 minutes 0 secondes et 0 millisecondes !", mark),
                                  {"RequestExit"}}));
    QCOMPARE(quiz.attemptNumber(), wrongChecksFirst + 1);
}

void QuizTest::fourthWrongCheckEndsTheGameWithoutReturningTheWords()
{
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    for (int i = 0; i < 3; ++i)
        quiz.CheckAnswers();
    quiz.RecordPlacement(1, 1);
    quiz.RecordPlacement(2, 2);
    quiz.RecordPlacement(3, 3);
    host.take();

    quiz.CheckAnswers();
    QCOMPARE(host.take(), concat({{"ShowInfo: 3 réponses justes sur 5  !"},
                                  ending("0 heures  0 minutes 0 secondes et 0 millisecondes !", 0),
                                  {"RequestExit"}}));
}

void QuizTest::clockIsReadOnlyAfterTheLastBoxCloses()
{
    // Started at 23:59:30.000, "Tout juste" closed at 00:00:45.500 the next day.
    FakeQuizHost host;
    host.clockReadings = {toLocalTime({2026, 12, 31, 23, 59, 30, 0}), toLocalTime({2027, 1, 1, 0, 0, 45, 500})};
    Quiz quiz(host);
    quiz.StartGame();
    placeAllCorrectly(quiz);
    host.take();
    quiz.CheckAnswers();
    const Calls calls = host.take();
    QCOMPARE(calls[0], std::string("ShowInfo: Tout juste ! Bravo !"));
    QCOMPARE(calls[1], std::string("ReadLocalClock"));
    QCOMPARE(calls[2], std::string("ShowNotice: Tu as mis : \n0 heures  1 minutes 15 secondes et 500 millisecondes !"));
}

void QuizTest::replayUnlessTheAnswerIsNo_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("exits");
    QTest::newRow("Oui") << int(Yes) << false;
    QTest::newRow("closed without an answer") << int(Closed) << false;
    QTest::newRow("Non") << int(mrNo) << true;
}

void QuizTest::replayUnlessTheAnswerIsNo()
{
    QFETCH(int, answer);
    QFETCH(bool, exits);
    FakeQuizHost host;
    host.clockReadings = {100, 62'445, 70'000};
    host.answers = {answer};
    Quiz quiz(host);
    quiz.StartGame();
    for (int i = 0; i < 3; ++i)
        quiz.CheckAnswers();
    placeAllCorrectly(quiz);
    quiz.RecordPlacement(2, 1);
    host.take();

    quiz.CheckAnswers();
    QCOMPARE(host.take(), concat({{"ShowInfo: 4 réponses justes sur 5  !"},
                                  ending("0 heures  1 minutes 2 secondes et 345 millisecondes !", 0),
                                  exits ? Calls{"RequestExit"} : gameStart()}));
    if (!exits) {
        QCOMPARE(quiz.attemptNumber(), 1);
        QCOMPARE(quiz.startTime(), LocalTime(70'000));
        for (int dot = 1; dot <= 5; ++dot)
            QCOMPARE(quiz.answer(dot), 0);
    }
}

void QuizTest::placementsOutsideTheSlotsAreIgnored_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("dot");
    QTest::newRow("dot 0") << 1 << 0;
    QTest::newRow("dot 6") << 1 << 6;
    QTest::newRow("dot -1") << 1 << -1;
    QTest::newRow("word 0") << 0 << 1;
    QTest::newRow("word 6") << 6 << 1;
    QTest::newRow("huge") << 1 << 1'000'000;
}

void QuizTest::placementsOutsideTheSlotsAreIgnored()
{
    QFETCH(int, word);
    QFETCH(int, dot);
    FakeQuizHost host;
    Quiz quiz(host);
    quiz.StartGame();
    host.take();
    quiz.RecordPlacement(word, dot);
    QVERIFY(host.calls.empty());
    for (int d = 1; d <= 5; ++d)
        QCOMPARE(quiz.answer(d), 0);
}

QTEST_APPLESS_MAIN(QuizTest)
#include "tst_quiz.moc"
