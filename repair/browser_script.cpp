#include "repair/browser_script.h"

// A Simplified-Chinese search home page, plain http so that the old browsers
// this repair serves can open it.
const char* const SearchEngineAddress = "http://www.baidu.com/";
// The search assistant page the browser itself was shipped with; the browser
// puts its language tag in place of "{SUB_RFC1766}".
const char* const SearchAssistantAddress = "http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm";

const char* const BrowserScriptFileName = "IE修复.bat";

namespace {

const char* const LineEnd = "\r\n";

// Block 1: files removed before anything is registered again.
const char* const RemovedFiles[] = {
    "%systemroot%\\System32\\dacui.dll",
    "%systemroot%\\Catroot\\icatalog.mdb",
};

// Block 2: registered silently. Repeats and the odd switches are as the
// browser's repair has always run them; each line stays in its place.
const char* const SilentRegistrations[] = {
    "comcat.dll", "asctrls.ocx", "oleaut32.dll", "shdocvw.dll /I", "shdocvw.dll",
    "browseui.dll", "browseui.dll /I", "msrating.dll", "mlang.dll", "hlink.dll",
    "mshtml.dll", "mshtmled.dll", "urlmon.dll", "plugin.ocx", "sendmail.dll",
    "mshtml.dll /i", "scrobj.dll", "corpol.dll", "jscript.dll", "msxml.dll",
    "imgutil.dll", "cryptext.dll", "inseng.dll", "iesetup.dll /i", "cryptdlg.dll",
    "actxprxy.dll", "dispex.dll", "occache.dll", "iepeers.dll", "urlmon.dll /i",
    "cdfview.dll", "webcheck.dll", "mobsync.dll", "pngfilt.dll", "licmgr10.dll",
    "hhctrl.ocx", "inetcfg.dll", "trialoc.dll", "tdc.ocx", "MSR2C.DLL",
    "msident.dll", "msieftp.dll", "xmsconf.ocx", "ils.dll", "msoeacct.dll",
    "wab32.dll", "wabimp.dll", "wabfind.dll", "oemiglib.dll", "directdb.dll",
    "inetcomm.dll", "msoe.dll", "oeimport.dll", "msdxm.ocx", "dxmasf.dll",
    "laprxy.dll", "l3codecx.ax", "acelpdec.ax", "mpg4ds32.ax", "danim.dll",
    "Daxctle.ocx", "lmrt.dll", "datime.dll", "dxtrans.dll", "dxtmsft.dll",
    "wshom.ocx", "wshext.dll", "vbscript.dll", "scrrun.dll mstinit.exe /setup",
    "msnsspc.dll /SspcCreateSspiReg", "msapsspc.dll /SspcCreateSspiReg",
};

// Block 3: registered with regsvr32's own report box, so the user sees that
// the core components took.
const char* const ReportedRegistrations[] = {
    "atl.dll", "shdocvw.dll", "urlmon.dll", "browseui.dll", "oleaut32.dll",
    "shell32.dll", "jscript.dll", "vbscript.dll", "mshtmled.dll", "CLBCATQ.DLL",
    "cscui.dll", "MLANG.dll", "stobject.dll", "WINHTTP.dll", "msxml3.dll",
    "query.dll", "jscript9.dll", "hlink.dll",
};

const char* const MachineMain = "HKLM\\Software\\Microsoft\\Internet Explorer\\Main";
const char* const UserMain = "HKCU\\Software\\Microsoft\\Internet Explorer\\Main";
const char* const UserControlPanelPolicy =
    "HKCU\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
// These two keep their trailing backslash right before the closing quote.
const char* const UserBrowser = "HKCU\\Software\\Microsoft\\Internet Explorer\\";
const char* const MachineBrowser = "HKLM\\Software\\Microsoft\\Internet Explorer\\";
const char* const Blank = "about:blank";

enum class WriteForm {
    TextValue,     // reg add "key" /f /v "value" /d "data"
    NumberValue,   // reg add "key" /f /v value /t REG_DWORD /d data
    DefaultValue,  // reg add "key" /f /ve /d "data"
};

struct RegistryWrite {
    WriteForm form;
    const char* key;
    const char* value;  // unused for the default value
    const char* data;
};

// Block 4.
const RegistryWrite RegistryWrites[] = {
    {WriteForm::TextValue, MachineMain, "Window Title", "Microsoft Internet Explorer"},
    {WriteForm::TextValue, UserMain, "Window Title", "Microsoft Internet Explorer"},
    {WriteForm::NumberValue, UserControlPanelPolicy, "homepage", "00000000"},
    {WriteForm::TextValue, UserMain, "Default_Page_URL", Blank},
    {WriteForm::TextValue, UserMain, "Start Page", Blank},
    {WriteForm::TextValue, UserMain, "Search Page", SearchEngineAddress},
    {WriteForm::TextValue, UserMain, "SearchAssistant", Blank},
    {WriteForm::TextValue, UserMain, "CustomizeSearch", Blank},
    {WriteForm::TextValue, UserMain, "SearchUrl", Blank},
    {WriteForm::DefaultValue, UserBrowser, nullptr, SearchAssistantAddress},
    {WriteForm::TextValue, MachineMain, "Search Page", SearchEngineAddress},
    {WriteForm::TextValue, MachineMain, "SearchAssistant", Blank},
    {WriteForm::TextValue, MachineMain, "CustomizeSearch", Blank},
    {WriteForm::TextValue, MachineMain, "SearchUrl", Blank},
    {WriteForm::DefaultValue, MachineBrowser, nullptr, Blank},
};

// Block 5: extension keys removed.
const char* const RemovedKeys[] = {
    "HKLM\\Software\\Microsoft\\Internet Explorer\\Extensions",
    "HKCU\\Software\\Microsoft\\Internet Explorer\\Extensions",
};

// Registry lines discard their output: only regsvr32's boxes are meant to be seen.
const char* const Quiet = ">nul 2>nul";

Text Quoted(const char* text)
{
    return Text("\"") + text + "\"";
}

Text RegistryWriteLine(const RegistryWrite& write)
{
    const Text head = "reg add " + Quoted(write.key);
    switch (write.form) {
    case WriteForm::TextValue:
        return head + " /f /v " + Quoted(write.value) + " /d " + Quoted(write.data) + Quiet;
    case WriteForm::NumberValue:
        return head + " /f /v " + write.value + " /t REG_DWORD /d " + write.data + Quiet;
    case WriteForm::DefaultValue:
        return head + " /f /ve /d " + Quoted(write.data) + Quiet;
    }
    return Text();
}

void AddLine(Text& script, const Text& line)
{
    if (!script.empty())
        script += LineEnd;
    script += line;
}

}  // namespace

Text BrowserRepairScript()
{
    Text script;
    for (const char* path : RemovedFiles)
        AddLine(script, Text("rundll32.exe advpack.dll /DelNodeRunDLL32 ") + path);
    for (const char* entry : SilentRegistrations)
        AddLine(script, Text("regsvr32 /s ") + entry);
    for (const char* file : ReportedRegistrations)
        AddLine(script, Text("regsvr32 ") + file);
    for (const RegistryWrite& write : RegistryWrites)
        AddLine(script, RegistryWriteLine(write));
    for (const char* key : RemovedKeys)
        AddLine(script, "reg delete " + Quoted(key) + " /f" + Quiet);
    return script;
}

Text BrowserScriptPath(const Text& tempFolder)
{
    return tempFolder + BrowserScriptFileName;
}
