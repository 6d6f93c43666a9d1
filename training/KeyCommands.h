#pragma once

#include "ScreenNo.h"
#include "TrainingState.h"

#include <QString>
#include <Qt>

// What a key-down event means on the screens where keys act: the course
// screen, the start screen and the training screen. The window runs the
// command; no key-down is consumed on the training screen, so its character
// still reaches the key judgement, which swallows Enter and Backspace.

inline constexpr int CourseScreenNo = scCourse;
inline constexpr int StartScreenNo = scStart;
inline constexpr int TrainingScreenNo = scTraining;

enum class TKeyCommand {
    None,
    // Course screen: Enter starts the run.
    StartTraining,
    // Start screen: Enter ends the wait.
    SkipStartScreen,
    // Training screen.
    Forward,
    Rewind,
    Hint,
    Trans2,
    PlayVoice,
    CursorToStart,
    CursorBack,
    ToggleIdNo,
};

struct TKeyDownAction {
    TKeyCommand Command = TKeyCommand::None;
    // The event goes no further.
    bool Consumed = false;
    // Enter on the training screen repaints the instruction line after its command.
    bool RepaintMessage = false;
};

// `key` is a Qt::Key; the keypad flag does not count as a modifier, every
// other one does ("Ctrl+J" means Ctrl and nothing else).
// `specialTrainingVisible` is whether imgSpecialTraining shows.
TKeyDownAction KeyDownAction(int screenNo, int key, Qt::KeyboardModifiers modifiers, const TTrainingState &state,
                             bool specialTrainingVisible);

// The character a key event types, for TypeKey; 0 for none. Keys pressed
// with Ctrl, Alt or Meta are commands, not typing: Ctrl+H must not also
// count as a typed "h", nor Alt+J as a "j".
char16_t TypedCharacter(const QString &text, Qt::KeyboardModifiers modifiers);
