#include "handlers/ModelHandler.h"

#include <utility>

namespace kalivo {

ModelHandler::ModelHandler(UserInterface& ui, std::string name) : ui_(ui), name_(std::move(name)) {}

void ModelHandler::CreateStore() {}

void ModelHandler::ReleaseStore() {}

bool ModelHandler::HasBankHeaders() { return false; }

int ModelHandler::LoadSourceArchive(const std::string& /*folder*/, const std::string& /*archive*/) { return 0; }

int ModelHandler::LoadDestinationArchive(const std::string& /*folder*/, const std::string& /*archive*/) { return 0; }

int ModelHandler::LoadStyleArchive(const std::string& /*folder*/, const std::string& /*styleArchive*/) { return 0; }

int ModelHandler::ClearSource() { return 0; }

int ModelHandler::ClearDestination(int /*bankCount*/) { return 0; }

int ModelHandler::DeleteRegistration(int /*bank*/, int /*slot*/) { return 0; }

int ModelHandler::StoreArchive(const std::string& /*archive*/, const std::string& /*folder*/, int /*bankPosition*/) { return 0; }

int ModelHandler::ListArchives(const std::string& /*folder*/, StringList& /*names*/) { return 0; }

int ModelHandler::ListBanks(StringList& /*names*/) { return 0; }

std::string ModelHandler::GetBankIcon(int /*bank*/) { return {}; }

std::string ModelHandler::GetRegistrationIcon(int /*bank*/, int /*slot*/) { return {}; }

int ModelHandler::LoadRegfiles(const std::string& /*folder*/) { return 0; }

int ModelHandler::ListRegfiles(StringList& /*names*/) { return 0; }

int ModelHandler::CreateRegfiles(const std::string& /*folder*/) { return 0; }

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

int ModelHandler::GetUsedSlots(int /*bank*/, std::string& /*slots*/) { return 0; }

int ModelHandler::GetBankName(int /*bank*/, std::string& /*name*/) { return 0; }

int ModelHandler::GetBankSequence(int /*bank*/, std::string& /*digits*/, int& /*sequenceEnd*/) { return 0; }

int ModelHandler::GetRegistrationName(int /*bank*/, int /*slot*/, std::string& /*name*/) { return 0; }

int ModelHandler::GetRegfileName(int /*regfile*/, std::string& /*name*/) { return 0; }

int ModelHandler::RenameRegistration(int /*bank*/, int /*slot*/, const std::string& /*name*/) { return 0; }

int ModelHandler::Tell(const Outcome& outcome) {
    if (!outcome.message.empty()) {
        ui_.ShowMessage(outcome.message);
    }
    return outcome.status;
}

RegistrationContent ModelHandler::ContentOf(const RegistrationRef& /*at*/) { return {}; }

int ModelHandler::CopyRegistration(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*srcBank*/, int /*srcSlot*/) { return 0; }

int ModelHandler::CopyBankSequence(int /*dstBank*/, ModelHandler* /*source*/, int /*srcBank*/) { return 0; }

int ModelHandler::ResetBankSequence(int /*bank*/) { return 0; }

int ModelHandler::GroupCopyRegistration(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*srcBank*/, int /*srcSlot*/) { return 0; }

int ModelHandler::CopyRegfile(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*regfile*/) { return 0; }

int ModelHandler::GroupCopyRegfile(int /*dstBank*/, int /*dstSlot*/, ModelHandler* /*source*/, int /*regfile*/) { return 0; }

int ModelHandler::WriteProtocol(const std::string& /*path*/) { return 0; }

int ModelHandler::WriteRegfileProtocol(const std::string& /*path*/) { return 0; }

int ModelHandler::ShowRegistration(int /*regfile*/, int /*bank*/, int /*slot*/) { return 0; }

bool ModelHandler::SetStyleArchiveOptions(bool /*askForStyleArchive*/, bool /*useDefaultArchive*/, const std::string& /*defaultArchivePath*/, bool /*implicitSearch*/) { return false; }

bool ModelHandler::HasNoStyleOptions() { return false; }

std::shared_ptr<const HandlerSnapshot> ModelHandler::SaveDestinationState() const { return nullptr; }

void ModelHandler::RestoreDestinationState(const HandlerSnapshot&) {}

void ModelHandler::SetVoiceList(std::shared_ptr<const VoiceList> list) { voiceList_ = std::move(list); }
std::vector<BankSelectKey> ModelHandler::VoiceKeys() { return {}; }

}  // namespace kalivo
