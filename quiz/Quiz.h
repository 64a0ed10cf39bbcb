#pragma once

#include <array>
#include <cstdint>

#include "QuizHost.h"

// The one game in progress: which word was last dropped on which dot, the
// attempt, and when the game started. It answers only through its host.
//
// Not re-entrant: the host's boxes are modal, so no placement or second check
// can arrive while a check or the end of a game is under way.
class Quiz
{
public:
    static constexpr int WordCount = 5;

    explicit Quiz(QuizHost &host);

    // When the board is first shown, and on a replay.
    void StartGame();
    // A word (1 to 5) was dropped on a dot (1 to 5).
    void RecordPlacement(int wordNumber, int dotNumber);
    // The SCORE button: counts, reports, and moves on or ends the game.
    void CheckAnswers();

    // Answers[d] for dot d = 1 to 5 is the word last dropped there, or 0.
    int answer(int dotNumber) const;
    std::int32_t correctCount() const { return CorrectCount; }
    std::int32_t attemptNumber() const { return AttemptNumber; }
    LocalTime startTime() const { return StartTime; }

private:
    void FinishGame();

    QuizHost &m_host;
    std::array<std::int32_t, WordCount + 1> Answers{}; // index 0 unused: slots by dot number
    std::int32_t CorrectCount = 0;
    std::int32_t AttemptNumber = 1;
    LocalTime StartTime = 0;
};
