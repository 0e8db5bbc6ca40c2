// Whether the system's browser control can show pages at all. Without a page engine (Wine without one, say)
// the pane stays white; View mode then hands each page it renders to the system's web browser and says so in
// the document area and the status line. With an engine nothing changes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pw {

enum class PageEngine { Unknown, Present, Absent };

// The probe page's title; an engine shows it within moments of start-up.
inline constexpr const char* kEngineProbeTitle = "Pagewick page engine check";
// How long the first View waits for that title when it has not come yet: readings of the title wait's step.
inline constexpr int kEngineProbeReadings = 20;

// At start-up: the pane is sent to a tiny page of our own, so that an engine has shown it by the first View.
void StartPageEngineProbe(HWND pane);
// Decided once, at the first page shown: the probe's title arrived or it did not.
PageEngine PageEngineOf(HWND pane);
// Tests give the answer instead of the probe (Unknown asks the probe again).
void SetPageEngineAnswer(PageEngine engine);

// How a page reaches the system's web browser (the "open" verb); tests watch instead. True when it was taken.
using PageHandOver = std::function<bool(const std::string& page)>;
void SetPageHandOver(PageHandOver handOver);

// After View mode sent the pane to the page of fileName: without an engine, the page is handed over once for
// each note shown (sourcePath) and the notice covers the pane. With one, nothing happens.
void AfterPageShown(HWND pane, const std::string& page, const std::string& sourcePath, const std::string& fileName);
// The pane went blank: the next page shown is handed over again.
void ForgetHandedOverPage();
// The notice follows the pane's size.
void FitEngineNotice(int width, int height);
// The notice's text ("" when none is shown).
std::string EngineNoticeText();

}  // namespace pw
