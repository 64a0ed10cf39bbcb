#include "Quiz.h"

#include "ElapsedTime.h"

namespace {

bool isNumber(int n)
{
    return n >= 1 && n <= Quiz::WordCount;
}

std::string countMessage(int correct)
{
    return correct < 2 ? std::to_string(correct) + " réponse juste sur 5  !"
                       : std::to_string(correct) + " réponses justes sur 5  !";
}

const char *bannerForAttempt(int attempt)
{
    switch (attempt) {
    case 2: return "Deuxième essai";
    case 3: return "Troisième essai";
    default: return "Dernier essai";
    }
}

} // namespace

Quiz::Quiz(QuizHost &host)
    : m_host(host)
{
}

void Quiz::StartGame()
{
    CorrectCount = 0;
    m_host.ReturnWordsToColumn();
    AttemptNumber = 1;
    StartTime = m_host.ReadLocalClock();
    Answers.fill(0);
}

void Quiz::RecordPlacement(int wordNumber, int dotNumber)
{
    // The board only sends numbers 1 to 5; anything else must not reach past the slots.
    if (!isNumber(wordNumber) || !isNumber(dotNumber))
        return;
    Answers[dotNumber] = wordNumber;
}

int Quiz::answer(int dotNumber) const
{
    return isNumber(dotNumber) ? Answers[dotNumber] : 0;
}

void Quiz::CheckAnswers()
{
    CorrectCount = 0;
    for (int dot = 1; dot <= WordCount; ++dot) {
        if (Answers[dot] == dot)
            ++CorrectCount;
    }

    if (CorrectCount == WordCount) {
        m_host.ShowInfo("Tout juste ! Bravo !");
        FinishGame();
        return;
    }

    m_host.ShowInfo(countMessage(CorrectCount));
    ++AttemptNumber;
    if (AttemptNumber == 5) {
        FinishGame();
        return;
    }
    m_host.SetBanner(bannerForAttempt(AttemptNumber));
    CorrectCount = 0;
    m_host.ReturnWordsToColumn();
}

void Quiz::FinishGame()
{
    const LocalTime elapsed = m_host.ReadLocalClock() - StartTime;
    m_host.ShowNotice("Tu as mis : \n" + FormatElapsedTime(elapsed));
    m_host.SetBanner("Premier essai");
    const int mark = (5 - AttemptNumber) * CorrectCount;
    m_host.ShowNotice("Fini ! Score final  : " + std::to_string(mark) + "/20 !");
    if (m_host.AskYesNo("Recommencer ?") == mrNo)
        m_host.RequestExit();
    else
        StartGame();
}
