#include "core/app/MainDialogFixture.h"

#include <fstream>

namespace kalivo::test {

ListGeometry MainDialogFixture::GeometryOf(Model model) {
    switch (model) {
        case Model::Psr740:
            return {false, 32, 32, 4};
        case Model::Psr8000:
            return {false, 16, 16, 8};
        case Model::Psr9000:
        case Model::Psr9000Pro:
            return {true, 64, 64, 8};
        case Model::Psr2000:
        case Model::Cvp2:
            return {true, 1, -1, 8};
        case Model::Tyros:
            return {true, -1, -1, 8};
    }
    return {};
}

void MainDialogFixture::Create() {
    auto factory = [this](UserInterface& port) {
        HandlerSet set;
        for (int i = 0; i < 2 * kModelCount; ++i) {
            auto handler = std::make_unique<MemoryHandler>(port, GeometryOf(static_cast<Model>(i / 2)));
            handlers[static_cast<std::size_t>(i)] = handler.get();
            set[static_cast<std::size_t>(i)] = std::move(handler);
        }
        return set;
    };
    auto icons = [](const IconSettings& previous) { return previous; };
    dialog = std::make_unique<MainDialog>(view, ui, SettingsPath(), factory, icons);
}

void MainDialogFixture::StartWith(Model model) {
    std::ofstream(SettingsPath(), std::ios::binary) << "[Model]\r\n" << ModelCatalog::NameOf(model) << "\r\n";
    Create();
    dialog->Initialize();
}

}  // namespace kalivo::test
