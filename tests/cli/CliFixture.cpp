#include "cli/CliFixture.h"

#include <sstream>

namespace kalivo::test {

int RunCli(CliApplication& app, const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::vector<const char*> argv{"kalivo-cli"};
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = app.Run(static_cast<int>(argv.size()), argv.data(), outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

int CliFixture::Run(const std::vector<std::string>& args) {
    auto factory = [this](UserInterface& ui) {
        HandlerSet set;
        for (std::size_t i = 0; i < set.size(); ++i) {
            auto handler = makeHandler ? makeHandler(ui, geometry) : std::make_unique<MemoryHandler>(ui, geometry);
            handlers_[i] = handler.get();
            set[i] = std::move(handler);
        }
        for (std::size_t i = 0; prepare && i < set.size(); i += 2) {
            prepare(*handlers_[i], *handlers_[i + 1]);
        }
        return set;
    };
    application_ = std::make_unique<CliApplication>(factory);
    return RunCli(*application_, args, out, err);
}

MemoryHandler& CliFixture::Source(Model model) {
    return *handlers_.at(static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model)));
}

MemoryHandler& CliFixture::Destination(Model model) {
    return *handlers_.at(static_cast<std::size_t>(2 * ModelCatalog::HandlerIndex(model) + 1));
}

void CliFixture::Offer(const std::vector<std::pair<std::string, std::vector<MemoryBank>>>& archives) {
    prepare = [archives](MemoryHandler& source, MemoryHandler&) {
        for (const auto& [name, banks] : archives) {
            source.archives.push_back(name);
            source.archiveContents[name] = banks;
        }
    };
}

MemoryBank CliFixture::Bank(const std::string& name, const std::vector<std::optional<std::string>>& registrations,
                            int perBank) {
    MemoryBank bank;
    bank.name = name;
    bank.registrations = registrations;
    bank.registrations.resize(static_cast<std::size_t>(perBank));
    return bank;
}

std::vector<std::string> CliFixture::SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace kalivo::test
