#include "handlers/tyros/TyrosHandler.h"

namespace kalivo {

TyrosHandler::TyrosHandler(UserInterface& ui) : ModelHandler(ui, std::string()) {}

bool TyrosHandler::HasBankHeaders() { return true; }

int TyrosHandler::RegistrationsPerBank() { return 8; }

std::string TyrosHandler::GetArchiveName() { return std::string(); }

int TyrosHandler::RevoiceToDefault(int /*bank*/, int /*slot*/) { return 0; }

void TyrosHandler::ClearStoreCancelled() { storeCancelled_ = false; }

void TyrosHandler::SetIconSettings(const IconSettings& icons) { icons_ = icons; }

}  // namespace kalivo
