#pragma once
#include "app/layout.h"

// Control events the main window reacts to.
enum class ControlEvent {
    // A left-button press about to reach the control, before the control sees it.
    LeftButtonPressed,
    // BN_CLICKED: the control has acted on a mouse click or the Space key.
    Clicked,
    TimerTick,
};

// The operations control events lead to; each belongs to its own module.
enum class Handler {
    StatusTimerTick,
    RepairSequence,
    RepairBrowser,
    ShowHelp,
    OpenMorePage,
    ShowExplanation,
};

struct EventWiring {
    Control control;
    ControlEvent event;
    Handler handler;
    RepairItem item;  // only for ShowExplanation
};

extern const EventWiring EventWiringTable[];
extern const int EventWiringCount;

// Null when nothing is wired to that event of that control.
const EventWiring* FindWiring(Control control, ControlEvent event);
