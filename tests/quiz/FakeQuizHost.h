#pragma once

#include <deque>
#include <string>
#include <vector>

#include "QuizHost.h"

// Records every call the quiz makes, in order, with its argument. The clock
// and the answers to "Recommencer ?" are scripted.
class FakeQuizHost : public QuizHost
{
public:
    std::vector<std::string> calls;
    std::deque<LocalTime> clockReadings;  // the last one repeats
    std::deque<TModalResult> answers;     // No (7) when none is left

    void ReturnWordsToColumn() override { calls.push_back("ReturnWordsToColumn"); }
    LocalTime ReadLocalClock() override
    {
        calls.push_back("ReadLocalClock");
        const LocalTime now = clockReadings.empty() ? 0 : clockReadings.front();
        if (clockReadings.size() > 1)
            clockReadings.pop_front();
        return now;
    }
    void ShowInfo(const std::string &text) override { calls.push_back("ShowInfo: " + text); }
    void SetBanner(const std::string &text) override { calls.push_back("SetBanner: " + text); }
    void ShowNotice(const std::string &text) override { calls.push_back("ShowNotice: " + text); }
    TModalResult AskYesNo(const std::string &text) override
    {
        calls.push_back("AskYesNo: " + text);
        if (answers.empty())
            return mrNo;
        const TModalResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void RequestExit() override { calls.push_back("RequestExit"); }

    // The calls since the last take, so each step of a scenario checks only its own.
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
};
