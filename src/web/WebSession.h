#pragma once
// The one main window of the page: its view, its door to the person and its
// logic, made when the page starts and kept while the page is open.
#include <memory>
#include <string>

#include "app/MainDialog.h"
#include "web/WebUserInterface.h"
#include "web/WebView.h"

namespace kalivo {

class WebSession {
public:
    // Where the page keeps the settings file it mirrors in the browser's storage.
    static constexpr const char* kSettingsPath = "/settings/kalivo.ini";

    static void Start();
    // Null before Start.
    static WebSession* Current();

    MainDialog& Dialog() { return dialog_; }
    WebView& View() { return view_; }

private:
    WebSession();

    WebView view_;
    WebUserInterface ui_;
    MainDialog dialog_;
};

}  // namespace kalivo
