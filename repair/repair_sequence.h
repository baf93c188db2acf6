#pragma once

// What the Repair button does: carries out the ticked repair items in order.
void RepairSequence();
