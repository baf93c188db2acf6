#include "repair/status_line.h"

const char* const ConnectedStatusText = "当前网络状态： 已连接到互联网";
const char* const NotConnectedStatusText = "当前网络状态： 没有连接到互联网";

const char* StatusTextFor(int echoResult)
{
    return echoResult == NoAnswer ? NotConnectedStatusText : ConnectedStatusText;
}

bool UpdateStatusLine(WindowOperations& window, const EchoTester& echo)
{
    const int result = echo(ProbeHost);
    window.SetStatusText(StatusTextFor(result));
    return result != NoAnswer;
}

void OnStatusTimerTick(std::atomic<bool>& probeInFlight, const std::function<bool()>& startProbe)
{
    if (probeInFlight.exchange(true))
        return;
    if (!startProbe())
        probeInFlight = false;
}

void ShowProbeResult(std::atomic<bool>& probeInFlight, WindowOperations& window, int echoResult)
{
    window.SetStatusText(StatusTextFor(echoResult));
    probeInFlight = false;
}
