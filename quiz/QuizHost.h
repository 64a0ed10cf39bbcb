#pragma once

#include <cstdint>
#include <string>

#include "LocalClock.h"

// The result of a message box: 1 OK, 6 Yes, 7 No, 2 closed without a button.
using TModalResult = std::int32_t;
inline constexpr TModalResult mrNo = 7;

// What the game needs from the screen. The board window provides it; every call
// that shows a box returns only once the player has closed that box.
class QuizHost
{
public:
    virtual ~QuizHost() = default;

    // Puts word n at left 48, top 25 × n + 15, for n = 1 to 5.
    virtual void ReturnWordsToColumn() = 0;
    virtual LocalTime ReadLocalClock() = 0;
    virtual void ShowInfo(const std::string &text) = 0;
    virtual void SetBanner(const std::string &text) = 0;
    // A line feed in the text starts a new line.
    virtual void ShowNotice(const std::string &text) = 0;
    virtual TModalResult AskYesNo(const std::string &text) = 0;
    // Only asks for the end: the caller runs on to its end first.
    virtual void RequestExit() = 0;
};
