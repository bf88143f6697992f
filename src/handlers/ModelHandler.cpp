#include "handlers/ModelHandler.h"

#include <utility>

namespace kalivo {

ModelHandler::ModelHandler(UserInterface& ui, std::string name) : ui_(ui), name_(std::move(name)) {}

void ModelHandler::CreateStore() {}

void ModelHandler::ReleaseStore() {}

bool ModelHandler::HasBankHeaders() { return false; }

Status ModelHandler::LoadSourceArchive(const std::string& /*folder*/, const std::string& /*archive*/) { return Status::kDone; }

Status ModelHandler::LoadDestinationArchive(const std::string& /*folder*/, const std::string& /*archive*/) { return Status::kDone; }

Status ModelHandler::LoadStyleArchive(const std::string& /*folder*/, const std::string& /*styleArchive*/) { return Status::kDone; }

Status ModelHandler::ClearSource() { return Status::kDone; }

Status ModelHandler::ClearDestination(int /*bankCount*/) { return Status::kDone; }

Status ModelHandler::DeleteRegistration(int /*bank*/, int /*slot*/) { return Status::kDone; }

Status ModelHandler::StoreArchive(const std::string& /*archive*/, const std::string& /*folder*/, int /*bankPosition*/) { return Status::kDone; }

Status ModelHandler::ListArchives(const std::string& /*folder*/, StringList& /*names*/) { return Status::kDone; }

Status ModelHandler::ListBanks(StringList& /*names*/) { return Status::kDone; }

std::string ModelHandler::GetBankIcon(int /*bank*/) { return {}; }

std::string ModelHandler::GetRegistrationIcon(int /*bank*/, int /*slot*/) { return {}; }

Status ModelHandler::LoadRegfiles(const std::string& /*folder*/) { return Status::kDone; }

Status ModelHandler::ListRegfiles(StringList& /*names*/) { return Status::kDone; }

Status ModelHandler::CreateRegfiles(const std::string& /*folder*/) { return Status::kDone; }

std::string ModelHandler::GetArchiveName() { return nameString(); }

void ModelHandler::SetArchiveName(const std::string& /*name*/) {}

void ModelHandler::SetBankName(int /*bank*/, const std::string& /*name*/) {}

void ModelHandler::SetBankSequence(int /*bank*/, const std::string& /*digits*/, int /*sequenceEnd*/) {}

void ModelHandler::SetBankIcon(int /*bank*/, const std::string& /*iconCode*/) {}

void ModelHandler::SetRegistrationIcon(int /*bank*/, int /*slot*/, const std::string& /*iconCode*/) {}

int ModelHandler::SourceBankCount() { return 0; }

int ModelHandler::DestinationBankCount() { return 0; }

int ModelHandler::RegistrationsPerBank() { return 0; }

std::string ModelHandler::LastStoreNote() const { return std::string(); }

std::string ModelHandler::LastStoredName() const { return std::string(); }

Status ModelHandler::GetUsedSlots(int /*bank*/, std::string& /*slots*/) { return Status::kDone; }

Status ModelHandler::GetBankName(int /*bank*/, std::string& /*name*/) { return Status::kDone; }

Status ModelHandler::GetBankSequence(int /*bank*/, std::string& /*digits*/, int& /*sequenceEnd*/) { return Status::kDone; }

Status ModelHandler::GetRegistrationName(int /*bank*/, int /*slot*/, std::string& /*name*/) { return Status::kDone; }

Status ModelHandler::GetRegfileName(int /*regfile*/, std::string& /*name*/) { return Status::kDone; }

Status ModelHandler::RenameRegistration(int /*bank*/, int /*slot*/, const std::string& /*name*/) { return Status::kDone; }

Status ModelHandler::Tell(const Outcome& outcome) {
    if (!outcome.message.empty()) {
        ui_.ShowMessage(outcome.message);
    }
    return outcome.status;
}

RegistrationContent ModelHandler::ContentOf(const RegistrationRef& /*at*/) { return {}; }

Status ModelHandler::CopyRegistration(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*srcBank*/, int /*srcSlot*/) { return Status::kDone; }

Status ModelHandler::CopyBankSequence(int /*dstBank*/, ModelHandler* /*source*/, int /*srcBank*/) { return Status::kDone; }

Status ModelHandler::ResetBankSequence(int /*bank*/) { return Status::kDone; }

Status ModelHandler::GroupCopyRegistration(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*srcBank*/, int /*srcSlot*/) { return Status::kDone; }

Status ModelHandler::CopyRegfile(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*regfile*/) { return Status::kDone; }

Status ModelHandler::GroupCopyRegfile(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*regfile*/) { return Status::kDone; }

Status ModelHandler::WriteProtocol(const std::string& /*path*/) { return Status::kDone; }

Status ModelHandler::WriteRegfileProtocol(const std::string& /*path*/) { return Status::kDone; }

Status ModelHandler::ShowRegistration(int /*regfile*/, int /*bank*/, int /*slot*/) { return Status::kDone; }

bool ModelHandler::SetStyleArchiveOptions(bool /*askForStyleArchive*/, bool /*useDefaultArchive*/, const std::string& /*defaultArchivePath*/, bool /*implicitSearch*/) { return false; }

bool ModelHandler::HasNoStyleOptions() { return false; }

std::shared_ptr<const HandlerSnapshot> ModelHandler::SaveDestinationState() const { return nullptr; }

void ModelHandler::RestoreDestinationState(const HandlerSnapshot&) {}

void ModelHandler::SetVoiceList(std::shared_ptr<const VoiceList> list) { voiceList_ = std::move(list); }
std::vector<BankSelectKey> ModelHandler::VoiceKeys() { return {}; }

}  // namespace kalivo
