#include "web/WebSession.h"

namespace kalivo {

namespace {

std::unique_ptr<WebSession>& Instance() {
    static std::unique_ptr<WebSession> session;
    return session;
}

}  // namespace

WebSession::WebSession() : dialog_(view_, ui_, kSettingsPath) { view_.Attach(dialog_); }

void WebSession::Start() {
    if (Instance() != nullptr) {
        return;
    }
    Instance().reset(new WebSession());
    Instance()->dialog_.Initialize();
    Instance()->view_.CommandStatesChanged();
}

WebSession* WebSession::Current() { return Instance().get(); }

}  // namespace kalivo
