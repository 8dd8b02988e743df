// What kind of answer a press gives a screen reader, and how Windows is asked to speak each
// kind. Plain C++, so that the UI Automation client that tests the Windows program reads the
// same table.
#pragma once

#include "calculator_state.h"

#include <span>
#include <string>

namespace kometa::window {

enum class AnswerKind {
    Operand, // an operand or the indicator, as it is typed or changed
    Result, // a computed result, a register moved into the result included
    Refusal, // the result field says why the operation gave no number
    Memory, // a register changed
    Fault, // what an operation wrote before it failed, once its box is closed
};

// What a press answers is of the kind of the first field it names, taken in this order: the
// result, then the registers, then the operands and the indicator. A result that is one of
// the operations' refusals is a refusal.
AnswerKind KindOfAnswer(std::span<const Field> named, const std::u16string &result, bool failed);

// UI Automation's NotificationKind and NotificationProcessing, as Windows numbers them.
enum class UiaKind { ItemAdded, ItemRemoved, ActionCompleted, ActionAborted, Other };
enum class UiaProcessing {
    ImportantAll,
    ImportantMostRecent,
    All,
    MostRecent,
    CurrentThenMostRecent,
};

struct UiaRaising
{
    UiaKind kind;
    UiaProcessing processing;
    const wchar_t *activity;
};

// As Windows' own calculator raises its answers. A value typed or computed replaces an older
// one of its kind that the screen reader has not spoken yet (ImportantMostRecent, one activity
// id a kind): typing 12345 quickly ends with «12345», not five numbers read long after the
// last key. A refusal and what a fault left are each heard (ImportantAll).
constexpr UiaRaising RaisingOf(AnswerKind kind)
{
    switch (kind) {
    case AnswerKind::Operand:
        return { UiaKind::Other, UiaProcessing::ImportantMostRecent, L"kometa.operand" };
    case AnswerKind::Result:
        return { UiaKind::Other, UiaProcessing::ImportantMostRecent, L"kometa.result" };
    case AnswerKind::Refusal:
        return { UiaKind::ActionAborted, UiaProcessing::ImportantAll, L"kometa.refusal" };
    case AnswerKind::Memory:
        return { UiaKind::ActionCompleted, UiaProcessing::ImportantMostRecent, L"kometa.memory" };
    case AnswerKind::Fault:
        return { UiaKind::ActionAborted, UiaProcessing::ImportantAll, L"kometa.fault" };
    }
    return { UiaKind::Other, UiaProcessing::All, L"" };
}

} // namespace kometa::window
