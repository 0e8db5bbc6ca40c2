#include "notes/win/document.h"

#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

int g_autosaveCount = 0;

}  // namespace

bool SaveIfModified() { return false; }

void SaveBeforeExit() { SaveIfModified(); }

void AutosaveTick()
{
    ++g_autosaveCount;
    if (g_autosaveCount < Settings().GetInt("AutoSave", 2)) return;
    if (SaveIfModified()) StatusMessage("Note autosaved");
    g_autosaveCount = 0;
}

int AutosaveCount() { return g_autosaveCount; }

}  // namespace pw
