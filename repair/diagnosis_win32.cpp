#include "repair/diagnosis.h"

void StartupDiagnosis()
{
}
