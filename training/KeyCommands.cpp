#include "KeyCommands.h"

#include "Navigation.h"

namespace {

constexpr Qt::KeyboardModifiers ModifierKeys = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

TKeyCommand EnterCommand(const TTrainingState &state, bool shiftAlone, bool specialTrainingVisible)
{
    if (state.InputLen == 0 && state.InputMode == 9 && !shiftAlone && !specialTrainingVisible)
        return TKeyCommand::Forward;
    if (state.InputLen == CurrentTarget(state).size() && !shiftAlone)
        return TKeyCommand::CursorToStart;
    return TKeyCommand::PlayVoice;
}

TKeyCommand CtrlCommand(int key)
{
    switch (key) {
    case Qt::Key_F: return TKeyCommand::Rewind;
    case Qt::Key_J: return TKeyCommand::Forward;
    case Qt::Key_H: return TKeyCommand::Hint;
    case Qt::Key_I: return TKeyCommand::Trans2;
    default: return TKeyCommand::None;
    }
}

} // namespace

TKeyDownAction KeyDownAction(int screenNo, int key, Qt::KeyboardModifiers modifiers, const TTrainingState &state,
                             bool specialTrainingVisible)
{
    TKeyDownAction action;
    const Qt::KeyboardModifiers held = modifiers & ModifierKeys;
    switch (screenNo) {
    case CourseScreenNo:
        if (IsEnter(key))
            action = {TKeyCommand::StartTraining, true, false};
        return action;
    case StartScreenNo:
        if (IsEnter(key))
            action = {TKeyCommand::SkipStartScreen, true, false};
        return action;
    case TrainingScreenNo:
        break;
    default:
        return action;
    }
    if (IsEnter(key)) {
        action.Command = EnterCommand(state, held == Qt::ShiftModifier, specialTrainingVisible);
        action.RepaintMessage = true;
    } else if (key == Qt::Key_Backspace) {
        if (state.InputLen > 0)
            action.Command = TKeyCommand::CursorBack;
    } else if (held == Qt::ControlModifier) {
        action.Command = CtrlCommand(key);
    } else if (held == (Qt::ShiftModifier | Qt::ControlModifier) && key == Qt::Key_P) {
        action.Command = TKeyCommand::ToggleIdNo;
    }
    return action;
}

char16_t TypedCharacter(const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (text.isEmpty() || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return 0;
    return text.at(0).unicode();
}
