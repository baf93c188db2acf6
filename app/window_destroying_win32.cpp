#include "app/window_destroying.h"

#include "repair/browser_repair.h"

void OnWindowDestroying()
{
    RemoveBrowserScript();
}
