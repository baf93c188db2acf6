#include "repair/repair_sequence.h"

void RepairSequence()
{
}
