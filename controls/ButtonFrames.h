#pragma once

// The frames of the button strips by what they show. Strips differ in their
// layout, so each family of buttons names its own; code sets and compares
// frames only through these names.
enum TFrame : int {
    frNormal = 0,
    frPressed = 1,
    frHover = 2,
    // A button that cannot be used: it neither lights up nor presses.
    frGreyed = 3,

    frLevelChosen = 2,
    frBandChosen = 2,
    frPatternChosen = 3,
    frSourceChosen = 1,
    frOnceMoreGreyed = 2,
    frTypeChosen = 2,
    frTypeGreyed = 3,
    // The switches of the options dialog.
    frSwitchChosen = 2,
};
