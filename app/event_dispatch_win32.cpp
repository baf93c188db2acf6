#include "app/aids.h"
#include "app/main_window.h"
#include "repair/browser_repair.h"
#include "repair/repair_sequence.h"
#include "repair/status_line.h"

void RaiseControlEvent(Control control, ControlEvent event)
{
    const EventWiring* wiring = FindWiring(control, event);
    if (wiring == nullptr)
        return;
    switch (wiring->handler) {
    case Handler::StatusTimerTick: OnStatusTimerTick(); break;
    case Handler::RepairSequence: RepairSequence(); break;
    case Handler::RepairBrowser: RepairBrowser(); break;
    case Handler::ShowHelp: ShowHelp(); break;
    case Handler::OpenMorePage: OpenMorePage(); break;
    case Handler::ShowExplanation: ShowExplanation(wiring->item); break;
    }
}
